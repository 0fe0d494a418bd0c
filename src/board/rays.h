// The rays each sliding piece follows, in the order the generators and the
// check tests walk them.
#pragma once

#include "board/bit_tables.h"

struct Ray {
  const SquareTable* table;
  bool rising;  // the index grows along the ray: its nearest member is the lowest bit
};

inline constexpr Ray RAY_UP{&ray_up, true};
inline constexpr Ray RAY_DOWN{&ray_down, false};
inline constexpr Ray RAY_LEFT{&ray_left, false};
inline constexpr Ray RAY_RIGHT{&ray_right, true};
inline constexpr Ray RAY_UP_RIGHT{&ray_up_right, true};
inline constexpr Ray RAY_UP_LEFT{&ray_up_left, true};
inline constexpr Ray RAY_DOWN_RIGHT{&ray_down_right, false};
inline constexpr Ray RAY_DOWN_LEFT{&ray_down_left, false};

inline constexpr Ray rook_rays[4] = {RAY_UP, RAY_LEFT, RAY_DOWN, RAY_RIGHT};
inline constexpr Ray bishop_rays[4] = {RAY_UP_RIGHT, RAY_UP_LEFT, RAY_DOWN_LEFT, RAY_DOWN_RIGHT};
inline constexpr Ray queen_rays[8] = {RAY_UP,       RAY_LEFT,    RAY_DOWN,      RAY_RIGHT,
                                      RAY_UP_RIGHT, RAY_UP_LEFT, RAY_DOWN_LEFT, RAY_DOWN_RIGHT};

// Nearest occupied square on the ray from `square`, or -1 when the ray is open.
inline int Nearest_blocker(const Ray& ray, int square, Bitboard occupied) {
  const Bitboard blockers = (*ray.table)[square] & occupied;
  if (!blockers) return -1;
  return ray.rising ? Bit_scan_forward(blockers) : Bit_scan_reverse(blockers);
}

// Squares of the ray strictly between `square` and its nearest blocker; the whole ray when open.
inline Bitboard Free_squares(const Ray& ray, int square, Bitboard occupied) {
  const SquareTable& t = *ray.table;
  const int b = Nearest_blocker(ray, square, occupied);
  return b < 0 ? t[square] : t[square] ^ t[b] ^ coord_bit[b];
}
