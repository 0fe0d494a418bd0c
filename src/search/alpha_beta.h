// The alpha-beta search below the root: White maximises, Black minimises, and
// every value is seen from White's side.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "protocol/go.h"

// Value of the position at `ply`, C to move; the node hands over to the
// quiescence search once ply reaches `depth`. `pv` marks the principal
// variation, `in_check` a side to move in check, `null_done` a null move
// somewhere above.
template <Colour C>
std::int32_t Alpha_beta(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta, std::int32_t depth,
                        std::int32_t ply, std::int32_t prev_move_type, std::uint8_t pv, std::uint8_t in_check,
                        std::uint8_t null_done);

std::int32_t Alpha_beta_white(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta,
                              std::int32_t depth, std::int32_t ply, std::int32_t prev_move_type, std::uint8_t pv,
                              std::uint8_t in_check, std::uint8_t null_done);
std::int32_t Alpha_beta_black(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta,
                              std::int32_t depth, std::int32_t ply, std::int32_t prev_move_type, std::uint8_t pv,
                              std::uint8_t in_check, std::uint8_t null_done);
