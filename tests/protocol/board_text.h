// Helpers for the position tests: the board's placement as text, square
// names, a consistency check of the record, and running a "position" line.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "board/bit_tables.h"
#include "board/board.h"
#include "protocol/position.h"
#include "protocol/uci.h"

namespace protocol_test {

// Square number of a name such as "e4".
inline int Sq(const char* name) { return (name[0] - 'a') + 8 * (name[1] - '1'); }

// Letter of the piece on a square as in a FEN ("P", "k", ...), "." when empty.
inline char Piece_at(const Board& board, int square) {
  static constexpr char white[] = ".PNBRQK", black[] = ".pnbrqk";
  const int w = board.white_name_from_coord[square], b = board.black_name_from_coord[square];
  if (w < 0 || w > 6 || b < 0 || b > 6) return '?';
  if (w && b) return '!';
  return w ? white[w] : black[b];
}

// The 64 squares, rank 8 first, as Piece_at letters.
inline std::string Placement(const Board& board) {
  std::string text;
  for (int rank = 7; rank >= 0; --rank)
    for (int file = 0; file < 8; ++file) text += Piece_at(board, 8 * rank + file);
  return text;
}

// The same form written out from a well-formed FEN placement field.
inline std::string Expand(const std::string& placement) {
  std::string text;
  for (char c : placement) {
    if (c >= '1' && c <= '8')
      text.append(static_cast<std::size_t>(c - '0'), '.');
    else if (c != '/')
      text += c;
  }
  return text;
}

inline const std::string kStartPlacement = Expand("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR");

// Every field of the record agrees with the others and lies in its range.
inline void Expect_consistent(const Board& board) {
  Bitboard white = 0, black = 0;
  for (int code = 1; code <= 6; ++code) {
    EXPECT_EQ(board.white_piece[code] & white, 0u) << "white sets overlap, code " << code;
    EXPECT_EQ(board.black_piece[code] & black, 0u) << "black sets overlap, code " << code;
    white |= board.white_piece[code];
    black |= board.black_piece[code];
  }
  EXPECT_EQ(board.white_piece[0], 0u);
  EXPECT_EQ(board.black_piece[0], 0u);
  EXPECT_EQ(white, board.all_white_piece);
  EXPECT_EQ(black, board.all_black_piece);
  EXPECT_EQ(white & black, 0u);
  EXPECT_EQ(board.all_piece, white | black);
  for (int s = 0; s < 64; ++s) {
    const int w = board.white_name_from_coord[s], b = board.black_name_from_coord[s];
    ASSERT_TRUE(w >= 0 && w <= 6 && b >= 0 && b <= 6) << "square " << s;
    EXPECT_EQ(w != 0, (white & coord_bit[s]) != 0) << "square " << s;
    EXPECT_EQ(b != 0, (black & coord_bit[s]) != 0) << "square " << s;
    if (w) {
      EXPECT_TRUE(board.white_piece[w] & coord_bit[s]) << "square " << s;
    }
    if (b) {
      EXPECT_TRUE(board.black_piece[b] & coord_bit[s]) << "square " << s;
    }
  }
  EXPECT_LE(board.colour_move, 1);
  EXPECT_LE(board.taking_passage_yes, 1);
  if (board.taking_passage_yes) {
    EXPECT_TRUE(board.taking_passage_x >= 0 && board.taking_passage_x <= 7);
    EXPECT_TRUE(board.taking_passage_y == 2 || board.taking_passage_y == 5);
  }
  for (std::uint8_t right : {board.castling_K, board.castling_Q, board.castling_k, board.castling_q})
    EXPECT_LE(right, 1);
}

// Puts `line` into the command buffer, runs Position_command on `board` and
// returns what it wrote.
inline std::string Run_position(Board& board, const std::string& line) {
  EXPECT_LE(line.size(), MAX_LINE_LENGTH);
  std::memcpy(command_line, line.c_str(), line.size() + 1);
  testing::internal::CaptureStdout();
  Position_command(board);
  return testing::internal::GetCapturedStdout();
}

// The output of `n` refused move tokens.
inline std::string Moves_errors(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += "WARNING ! moves error\n";
  return text;
}

}  // namespace protocol_test
