// Iterative deepening: the top of the search, run once per "go".
#pragma once

#include <cstdint>

#include "board/board.h"

// Totals kept for the bench's report.
struct SearchTotals {
  std::uint64_t iteration_nodes;  // sum of the node counts of every iteration line
};
extern SearchTotals search_totals;

// Searches depth 1, 2, ... until the depth limit, a mate, "stop" or the clock
// ends it, writing one line per iteration and then "bestmove". Times are in
// seconds and -1.0 when absent; depth is -1 when absent.
void Deepening(Board& board, std::int32_t depth, std::uint8_t infinite, double white_time, double black_time,
               double move_time);
