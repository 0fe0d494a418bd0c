// A from-scratch check of a board's three forms and its material count.
#pragma once

#include <string>

#include "board/board.h"
#include "eval/eval_tables.h"

// Empty when the sets, the per-square codes and the occupancy agree; otherwise what is wrong.
inline std::string Board_inconsistency(const Board& b) {
  if (b.white_piece[0] || b.black_piece[0]) return "piece set 0 is not empty";
  Bitboard white = 0, black = 0;
  for (int p = 1; p <= 6; ++p) {
    if (white & b.white_piece[p]) return "white sets overlap";
    if (black & b.black_piece[p]) return "black sets overlap";
    white |= b.white_piece[p];
    black |= b.black_piece[p];
  }
  if (white != b.all_white_piece || black != b.all_black_piece) return "occupancy differs from the piece sets";
  if (white & black) return "a square holds both colours";
  if (b.all_piece != (white | black)) return "all_piece differs";
  for (int s = 0; s < 64; ++s) {
    const Bitboard bit = Bitboard{1} << s;
    const int w = b.white_name_from_coord[s], k = b.black_name_from_coord[s];
    if (w < 0 || w > 6 || k < 0 || k > 6) return "bad code on square " + std::to_string(s);
    if ((w != 0) != bool(white & bit) || (w && !(b.white_piece[w] & bit))) return "white code on " + std::to_string(s);
    if ((k != 0) != bool(black & bit) || (k && !(b.black_piece[k] & bit))) return "black code on " + std::to_string(s);
  }
  return "";
}

// White's material minus Black's, counted square by square.
inline int Material_from_scratch(const Board& b) {
  int total = 0;
  for (int s = 0; s < 64; ++s) total += piece_value[b.white_name_from_coord[s]] - piece_value[b.black_name_from_coord[s]];
  return total;
}
