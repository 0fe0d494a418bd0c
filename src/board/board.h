// The position record: bit sets per colour and piece, piece codes per square,
// side to move, en-passant and castling state, key and running material.
#pragma once

#include <cstdint>

using Bitboard = std::uint64_t;

// Colour codes as stored in `colour_move`: 1 is White, 0 is Black.
enum Colour : int { Black = 0, White = 1 };

// Piece codes, the same numbers for both colours.
constexpr int NO_PIECE = 0, PAWN = 1, KNIGHT = 2, BISHOP = 3, ROOK = 4, QUEEN = 5, KING = 6;

// Squares are 8 * rank + file: a1 = 0, h1 = 7, a8 = 56, h8 = 63.
constexpr int File_of(int square) { return square & 7; }
constexpr int Rank_of(int square) { return square >> 3; }

struct Board {
  Bitboard all_piece;
  Bitboard all_white_piece;
  Bitboard all_black_piece;
  Bitboard white_piece[7];  // index 0 is never used and stays empty
  Bitboard black_piece[7];
  std::int32_t white_name_from_coord[64];  // code of the white piece on each square, 0 if none
  std::int32_t black_name_from_coord[64];
  std::uint8_t colour_move;         // 1 = White to move, 0 = Black
  std::uint8_t taking_passage_yes;  // 1 when the side to move may capture en passant
  std::int32_t taking_passage_x;    // file of the en-passant target square
  std::int32_t taking_passage_y;    // rank of the en-passant target square
  std::uint8_t castling_Q;
  std::uint8_t castling_K;
  std::uint8_t castling_q;
  std::uint8_t castling_k;
  std::uint64_t hash_key;
  std::int32_t eval;  // White's material minus Black's
};

// The one live position of the process, created all-zero at start-up.
extern Board bitboard;
