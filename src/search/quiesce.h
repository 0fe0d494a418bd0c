// The quiescence search: stand pat, then captures only, until the position is quiet.
#pragma once

#include <cstdint>

#include "board/board.h"

// Quiescence nodes visited since start-up; kept for the bench's report only.
extern std::uint64_t quiesce_nodes;

// Value (White's point of view) of the position at `ply`, the side to move
// being C; `pv` records the line in best_line.
template <Colour C>
std::int32_t Quiesce(Board& board, std::int32_t alpha, std::int32_t beta, std::int32_t ply, std::uint8_t pv);

std::int32_t Quiesce_white(Board& board, std::int32_t alpha, std::int32_t beta, std::int32_t ply, std::uint8_t pv);
std::int32_t Quiesce_black(Board& board, std::int32_t alpha, std::int32_t beta, std::int32_t ply, std::uint8_t pv);
