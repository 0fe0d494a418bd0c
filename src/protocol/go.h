// The "go" command, the record of the running search and the time budget.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "protocol/uci.h"

// The running search, shared by the driver, the searches and the input poll.
struct SearchControl {
  std::int32_t poll_count;       // horizon calls since the last input poll
  std::int32_t iteration_depth;  // depth of the running iteration
  std::uint8_t stop;             // 1 once the search must end
  std::uint64_t nodes;           // nodes of the running iteration
  char input_line[MAX_LINE_LENGTH + 1];  // the line the poll reads
  std::int32_t best_from;        // squares of the root's best move; kept between searches
  std::int32_t best_to;
  double abort_time;             // seconds after which an iteration is stopped; not above 0: never
};

extern SearchControl search_control;

// Clock readings of the running iteration, in milliseconds, and its length in
// seconds (at least 0.01).
extern std::int32_t clock_start;
extern std::int32_t clock_now;
extern double elapsed;

// Milliseconds of a monotonic clock since the first call.
std::int32_t Clock_ms();

// Seconds from `clock_start` to `clock_now`, at least 0.01.
double Elapsed_seconds();

// The limits of a "go" line; a missing one keeps its default.
struct GoLimits {
  std::int32_t depth = -1;
  std::uint8_t infinite = 0;
  double white_time = -1.0;  // seconds
  double black_time = -1.0;
  double move_time = -1.0;
};

// Reads the limits of a "go" line; unknown tokens are passed over.
GoLimits Parse_go(const char* line);

// What the driver makes of the limits before its first iteration.
struct TimeBudget {
  double time_per_move;  // -1.0: no time limit
  double abort_time;     // 50 * time_per_move
  std::int32_t depth_limit;
};

// The time per move comes from the side to move's own clock, divided by a
// number that falls as the game record grows, or from the move time.
TimeBudget Time_budget(int colour_move, std::int32_t game_key_count, std::int32_t depth, std::uint8_t infinite,
                       double white_time, double black_time, double move_time);

// Reads the search limits from `command_line`, counts the search's age and runs
// the search; returns after "bestmove".
void Go_command(Board& board);
