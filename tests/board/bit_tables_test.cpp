#include "board/bit_tables.h"

#include <gtest/gtest.h>

#include "board/rays.h"

TEST(BitScan, LowestAndHighestMember) {
  struct Case {
    Bitboard set;
    int forward, reverse;
  };
  const Case cases[] = {
      {0x1, 0, 0},
      {0x100000000, 32, 32},
      {0x8000000000000000, 63, 63},
      {0x8000000000000001, 0, 63},
      {0x80000000, 31, 31},
      {0x0000000100000100, 8, 32},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Bit_scan_forward(c.set), c.forward) << std::hex << c.set;
    EXPECT_EQ(Bit_scan_reverse(c.set), c.reverse) << std::hex << c.set;
  }
}

TEST(BitTables, TellingEntries) {
  EXPECT_EQ(coord_bit[0], 0x1u);
  EXPECT_EQ(coord_bit[63], 0x8000000000000000u);
  EXPECT_EQ(king_moves[0], 0x302u);
  EXPECT_EQ(king_moves[4], 0x3828u);
  EXPECT_EQ(knight_moves[0], 0x20400u);
  EXPECT_EQ(knight_moves[6], 0xA01000u);
  EXPECT_EQ(ray_up[0], 0x101010101010100u);
  EXPECT_EQ(ray_right[0], 0xFEu);
  EXPECT_EQ(ray_left[4], 0xFu);
  EXPECT_EQ(ray_up_right[0], 0x8040201008040200u);
  EXPECT_EQ(ray_down_left[63], 0x40201008040201u);
  EXPECT_EQ(pawn_capture_white[8], 0x20000u);
  EXPECT_EQ(pawn_capture_white[12], 0x280000u);
  EXPECT_EQ(pawn_capture_white[55], 0x4000000000000000u);
  EXPECT_EQ(pawn_capture_black[52], 0x280000000000u);
  EXPECT_EQ(pawn_capture_black[8], 0x2u);
}

TEST(BitTables, GeometryHoldsForEverySquare) {
  for (int s = 0; s < 64; ++s) {
    // No ray holds its own square, and opposite rays are each other's mirror.
    for (const SquareTable* ray : {&ray_up, &ray_down, &ray_left, &ray_right, &ray_up_right, &ray_up_left,
                                   &ray_down_right, &ray_down_left})
      EXPECT_FALSE((*ray)[s] & coord_bit[s]);
    for (int t = 0; t < 64; ++t) {
      EXPECT_EQ(bool(ray_up[s] & coord_bit[t]), bool(ray_down[t] & coord_bit[s]));
      EXPECT_EQ(bool(ray_right[s] & coord_bit[t]), bool(ray_left[t] & coord_bit[s]));
      EXPECT_EQ(bool(ray_up_right[s] & coord_bit[t]), bool(ray_down_left[t] & coord_bit[s]));
      EXPECT_EQ(bool(ray_up_left[s] & coord_bit[t]), bool(ray_down_right[t] & coord_bit[s]));
      EXPECT_EQ(bool(king_moves[s] & coord_bit[t]), bool(king_moves[t] & coord_bit[s]));
      EXPECT_EQ(bool(knight_moves[s] & coord_bit[t]), bool(knight_moves[t] & coord_bit[s]));
    }
    if (s < 8) {
      EXPECT_EQ(pawn_capture_white[s], 0u);
    }
    if (s >= 56) {
      EXPECT_EQ(pawn_capture_black[s], 0u);
    }
  }
}

TEST(Rays, NearestBlockerAndFreeSquares) {
  const Bitboard occupied = coord_bit[0] | coord_bit[24];  // a1 and a4
  EXPECT_EQ(Nearest_blocker(RAY_UP, 0, occupied), 24);
  EXPECT_EQ(Free_squares(RAY_UP, 0, occupied), 0x10100u);
  EXPECT_EQ(Nearest_blocker(RAY_DOWN, 56, occupied), 24);  // falling ray: the nearest is the highest
  EXPECT_EQ(Nearest_blocker(RAY_RIGHT, 0, occupied), -1);
  EXPECT_EQ(Free_squares(RAY_RIGHT, 0, occupied), ray_right[0]);
}
