#include "board/bit_tables.h"

// Spot checks that the compile-time tables follow the board geometry.
static_assert(king_moves[0] == 0x302 && king_moves[4] == 0x3828);
static_assert(knight_moves[0] == 0x20400 && knight_moves[6] == 0xA01000);
static_assert(ray_up[0] == 0x101010101010100 && ray_right[0] == 0xFE && ray_left[4] == 0xF);
static_assert(ray_up_right[0] == 0x8040201008040200 && ray_down_left[63] == 0x40201008040201);
static_assert(pawn_capture_white[8] == 0x20000 && pawn_capture_white[12] == 0x280000);
static_assert(pawn_capture_white[55] == 0x4000000000000000 && pawn_capture_black[52] == 0x280000000000);
static_assert(pawn_capture_black[8] == 0x2);
