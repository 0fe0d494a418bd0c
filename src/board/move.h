// The move word and the move list.
#pragma once

#include <cstdint>

// A move packed into one word: captured piece (bits 0-5), move type (6-11),
// from (12-17), to (18-23), moving piece (24-26).
using Move = std::uint32_t;

// Kinds of move carried in the `move_type` field.
constexpr int MOVE_QUIET = 1;              // to an empty square, pawn steps included
constexpr int MOVE_CAPTURE = 2;
constexpr int MOVE_CASTLE_QUEEN = 3;
constexpr int MOVE_CASTLE_KING = 4;
constexpr int MOVE_EN_PASSANT = 5;
constexpr int MOVE_PROMOTION = 10;          // + code of the new piece: 12 to 15
constexpr int MOVE_CAPTURE_PROMOTION = 20;  // + code of the new piece: 22 to 25

constexpr Move Make_move_word(int captured, int type, int from, int to, int moving) {
  return static_cast<Move>(captured | type << 6 | from << 12 | to << 18 | moving << 24);
}
constexpr int Captured_piece(Move m) { return static_cast<int>(m & 0x3F); }
constexpr int Move_type(Move m) { return static_cast<int>((m >> 6) & 0x3F); }
constexpr int Move_from(Move m) { return static_cast<int>((m >> 12) & 0x3F); }
constexpr int Move_to(Move m) { return static_cast<int>((m >> 18) & 0x3F); }
constexpr int Moving_piece(Move m) { return static_cast<int>((m >> 24) & 0x7); }

// Most moves a list holds; generation stops adding moves once it is reached.
constexpr int MAX_MOVES = 256;
// Room past MAX_MOVES for the moves of the one piece being generated when the
// limit is reached (a queen writes at most 27), so no write leaves the arrays.
constexpr int MOVE_LIST_SLACK = 32;

struct MoveList {
  Move move[MAX_MOVES + MOVE_LIST_SLACK];
  std::int32_t score[MAX_MOVES + MOVE_LIST_SLACK];
  std::int32_t capture_count;  // entries 0 .. capture_count-1 are the capture part
  std::int32_t move_count;     // entries capture_count .. move_count-1 are the quiet part
};

// Coordinate text of a move ("e2e4", "e7e8q"); `text` needs room for 6 characters.
void Move_to_text(Move m, char* text);
