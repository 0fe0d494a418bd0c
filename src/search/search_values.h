// Values shared by the searches, all from White's point of view.
#pragma once

#include <cstdint>

#include "board/board.h"

// No value yet: the worst start for either side.
constexpr std::int32_t NO_VALUE = 9999999;
// A side mated at ply p scores MATE_VALUE - MATE_STEP * p against it.
constexpr std::int32_t MATE_VALUE = 1000000;
constexpr std::int32_t MATE_STEP = 1000;
// Values beyond this magnitude are reported as mates.
constexpr std::int32_t MATE_REPORT = 900000;

// What the side to move C scores when its opponent's king is taken, or its
// opponent is mated, at `ply`.
template <Colour C>
constexpr std::int32_t Win_at(int ply) {
  return C == White ? MATE_VALUE - MATE_STEP * ply : MATE_STEP * ply - MATE_VALUE;
}

// The value that every real value beats for side C.
template <Colour C>
constexpr std::int32_t Worst_for() {
  return C == White ? -NO_VALUE : NO_VALUE;
}

// Whether `a` is better than `b` for side C.
template <Colour C>
constexpr bool Better(std::int32_t a, std::int32_t b) {
  return C == White ? a > b : a < b;
}
