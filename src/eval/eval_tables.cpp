#include "eval/eval_tables.h"

#include <algorithm>

std::int32_t piece_value[7];
std::int32_t phase_value[7];
std::int32_t endgame_material;
std::int32_t king_shelter_penalty;
std::int32_t doubled_pawn_penalty;
std::int32_t pawn_file_bonus;
std::int32_t rook_mobility_weight;
std::int32_t knight_table[64];
std::int32_t bishop_table[64];
std::int32_t pawn_table_middle[64];
std::int32_t pawn_table_end[64];
std::int32_t passed_pawn_table[64];
std::int32_t king_table_middle[64];
std::int32_t king_table_end[64];

namespace {

// The grids are written as White sees the board, rank 8 first; the tables are indexed a1 = 0.
using Grid = std::int32_t[64];

constexpr Grid knight_grid = {
    0, 0, 0,  0,  0,  0,  0, 0,  //
    0, 5, 5,  5,  5,  5,  5, 0,  //
    0, 5, 10, 0,  0,  10, 5, 0,  //
    0, 5, 10, 15, 15, 10, 5, 0,  //
    0, 5, 10, 15, 15, 10, 5, 0,  //
    0, 5, 10, 0,  0,  10, 5, 0,  //
    0, 5, 5,  5,  5,  5,  5, 0,  //
    0, 0, 0,  0,  0,  0,  0, 0,
};
constexpr Grid bishop_grid = {
    0,  0,  0,  0,  0,  0,  0,  0,   //
    10, 15, 10, 10, 10, 10, 15, 10,  //
    0,  10, 15, 0,  0,  15, 10, 0,   //
    0,  20, 20, 15, 15, 20, 20, 0,   //
    0,  20, 20, 15, 15, 20, 20, 0,   //
    0,  10, 15, 0,  0,  15, 10, 0,   //
    10, 15, 10, 10, 10, 10, 15, 10,  //
    0,  0,  0,  0,  0,  0,  0,  0,
};
constexpr Grid pawn_middle_grid = {
    0,  0,  0,  0,  0,  0,  0,  0,   //
    30, 30, 30, 35, 35, 30, 30, 30,  //
    0,  0,  5,  30, 30, 5,  0,  0,   //
    0,  0,  5,  25, 25, 5,  0,  0,   //
    0,  0,  0,  25, 25, 0,  0,  0,   //
    0,  0,  0,  21, 21, 0,  0,  0,   //
    0,  0,  0,  0,  0,  0,  0,  0,   //
    0,  0,  0,  0,  0,  0,  0,  0,
};
constexpr Grid pawn_end_grid = {
    0,  0,  0,  0,  0,  0,  0,  0,   //
    50, 50, 50, 50, 50, 50, 50, 50,  //
    40, 40, 40, 40, 40, 40, 40, 40,  //
    30, 30, 30, 30, 30, 30, 30, 30,  //
    20, 20, 20, 20, 20, 20, 20, 20,  //
    10, 10, 10, 10, 10, 10, 10, 10,  //
    0,  0,  0,  0,  0,  0,  0,  0,   //
    0,  0,  0,  0,  0,  0,  0,  0,
};
constexpr Grid passed_pawn_grid = {
    0,   0,   0,   0,   0,   0,   0,   0,    //
    150, 150, 150, 150, 150, 150, 150, 150,  //
    70,  70,  70,  70,  70,  70,  70,  70,   //
    50,  50,  50,  50,  50,  50,  50,  50,   //
    30,  30,  30,  30,  30,  30,  30,  30,   //
    20,  20,  20,  20,  20,  20,  20,  20,   //
    0,   0,   0,   0,   0,   0,   0,   0,    //
    0,   0,   0,   0,   0,   0,   0,   0,
};
constexpr Grid king_middle_grid = {
    30,  30,  30,  -10, 0,   -10, 30,  30,   //
    -5,  -5,  -5,  -10, -10, -10, -5,  -5,   //
    -10, -10, -10, -10, -10, -10, -10, -10,  //
    -10, -10, -10, -10, -10, -10, -10, -10,  //
    -10, -10, -10, -10, -10, -10, -10, -10,  //
    -10, -10, -10, -10, -10, -10, -10, -10,  //
    -5,  -5,  -5,  -10, -10, -10, -5,  -5,   //
    30,  30,  30,  -10, 0,   -10, 30,  30,
};
constexpr Grid king_end_grid = {
    0, 0, 0,  0,  0,  0,  0, 0,  //
    0, 5, 5,  5,  5,  5,  5, 0,  //
    0, 5, 10, 10, 10, 10, 5, 0,  //
    0, 5, 10, 15, 15, 10, 5, 0,  //
    0, 5, 10, 15, 15, 10, 5, 0,  //
    0, 5, 10, 10, 10, 10, 5, 0,  //
    0, 5, 5,  5,  5,  5,  5, 0,  //
    0, 0, 0,  0,  0,  0,  0, 0,
};

// Copies a grid (rank 8 first) into a table indexed by square (a1 first).
void Load(std::int32_t* table, const Grid& grid) {
  for (int rank = 0; rank < 8; ++rank)
    for (int file = 0; file < 8; ++file) table[8 * rank + file] = grid[8 * (7 - rank) + file];
}

}  // namespace

void Init_eval_tables() {
  constexpr std::int32_t material[7] = {0, 100, 400, 400, 600, 1200, 90000};
  constexpr std::int32_t phase[7] = {0, 0, 400, 400, 600, 1200, 0};
  std::copy(material, material + 7, piece_value);
  std::copy(phase, phase + 7, phase_value);
  endgame_material = 1800;
  king_shelter_penalty = 20;
  doubled_pawn_penalty = 20;
  pawn_file_bonus = 10;
  rook_mobility_weight = 1;
  Load(knight_table, knight_grid);
  Load(bishop_table, bishop_grid);
  Load(pawn_table_middle, pawn_middle_grid);
  Load(pawn_table_end, pawn_end_grid);
  Load(passed_pawn_table, passed_pawn_grid);
  Load(king_table_middle, king_middle_grid);
  Load(king_table_end, king_end_grid);
}
