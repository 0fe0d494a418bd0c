// Constant square-set tables (single bits, king, knight and pawn attacks,
// the eight rays) and the two bit scans.
#pragma once

#include <array>
#include <cstdint>

#include "board/board.h"

using SquareTable = std::array<Bitboard, 64>;

namespace bit_tables_detail {

constexpr bool On_board(int file, int rank) { return file >= 0 && file < 8 && rank >= 0 && rank < 8; }

// Squares reached from s by each of the given (file, rank) steps, one step each.
template <std::size_t N>
constexpr SquareTable Step_table(const int (&steps)[N][2]) {
  SquareTable table{};
  for (int s = 0; s < 64; ++s)
    for (const auto& step : steps) {
      const int f = File_of(s) + step[0], r = Rank_of(s) + step[1];
      if (On_board(f, r)) table[s] |= Bitboard{1} << (8 * r + f);
    }
  return table;
}

// Squares reached from s by repeating one step until the board edge.
constexpr SquareTable Ray_table(int file_step, int rank_step) {
  SquareTable table{};
  for (int s = 0; s < 64; ++s)
    for (int f = File_of(s) + file_step, r = Rank_of(s) + rank_step; On_board(f, r); f += file_step, r += rank_step)
      table[s] |= Bitboard{1} << (8 * r + f);
  return table;
}

// Pawn captures exist only from ranks 2 to 7.
constexpr SquareTable Pawn_table(int rank_step) {
  SquareTable table{};
  for (int s = 8; s < 56; ++s)
    for (int file_step : {-1, 1}) {
      const int f = File_of(s) + file_step, r = Rank_of(s) + rank_step;
      if (On_board(f, r)) table[s] |= Bitboard{1} << (8 * r + f);
    }
  return table;
}

constexpr int king_steps[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
constexpr int knight_steps[8][2] = {{-1, -2}, {1, -2}, {-2, -1}, {2, -1}, {-2, 1}, {2, 1}, {-1, 2}, {1, 2}};

constexpr SquareTable Coord_bits() {
  SquareTable table{};
  for (int s = 0; s < 64; ++s) table[s] = Bitboard{1} << s;
  return table;
}

}  // namespace bit_tables_detail

inline constexpr SquareTable coord_bit = bit_tables_detail::Coord_bits();
inline constexpr SquareTable king_moves = bit_tables_detail::Step_table(bit_tables_detail::king_steps);
inline constexpr SquareTable knight_moves = bit_tables_detail::Step_table(bit_tables_detail::knight_steps);
inline constexpr SquareTable pawn_capture_white = bit_tables_detail::Pawn_table(1);
inline constexpr SquareTable pawn_capture_black = bit_tables_detail::Pawn_table(-1);

// Rays along which the square index grows; their nearest member is the lowest bit.
inline constexpr SquareTable ray_up = bit_tables_detail::Ray_table(0, 1);
inline constexpr SquareTable ray_right = bit_tables_detail::Ray_table(1, 0);
inline constexpr SquareTable ray_up_right = bit_tables_detail::Ray_table(1, 1);
inline constexpr SquareTable ray_up_left = bit_tables_detail::Ray_table(-1, 1);
// Rays along which the index falls; their nearest member is the highest bit.
inline constexpr SquareTable ray_down = bit_tables_detail::Ray_table(0, -1);
inline constexpr SquareTable ray_left = bit_tables_detail::Ray_table(-1, 0);
inline constexpr SquareTable ray_down_right = bit_tables_detail::Ray_table(1, -1);
inline constexpr SquareTable ray_down_left = bit_tables_detail::Ray_table(-1, -1);

// Lowest member of a non-empty set (the processor's bit-scan instruction;
// the result for an empty set is not defined and no caller asks for it).
inline int Bit_scan_forward(Bitboard set) { return __builtin_ctzll(set); }

// Highest member of a non-empty set.
inline int Bit_scan_reverse(Bitboard set) { return 63 ^ __builtin_clzll(set); }

