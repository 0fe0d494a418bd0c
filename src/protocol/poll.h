// Reading standard input while a search runs. The search has the only thread,
// so its horizon nodes look at the input, and at the clock, once in a while.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "protocol/go.h"
#include "search/quiesce.h"

// Horizon calls between two looks at the input.
constexpr std::int32_t POLL_INTERVAL = 50000;

// Whether the poll reads standard input; the bench turns it off so that its
// searches do not depend on what arrives there. The clock is checked either way.
extern bool poll_reads_input;

// Reads a waiting line, if any, and obeys it: "stop" (or the end of the input)
// ends the search, "quit" ends the process, "isready" is answered and anything
// else is dropped; then stops an iteration that has overrun `abort_time`.
void Poll_input(SearchControl& control);

// Hands a node at its horizon to the quiescence search, looking at the input
// first on every 50,001st call.
template <Colour C>
inline std::int32_t Horizon(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta,
                            std::uint8_t pv, std::int32_t ply) {
  if (control.poll_count > POLL_INTERVAL) [[unlikely]]
    Poll_input(control);
  ++control.poll_count;
  return Quiesce<C>(board, alpha, beta, ply, pv);
}

std::int32_t Horizon_white(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta,
                           std::uint8_t pv, std::int32_t ply);
std::int32_t Horizon_black(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta,
                           std::uint8_t pv, std::int32_t ply);
