// The "go" line's limits and the time budget made of them.
#include <gtest/gtest.h>

#include "protocol/go.h"

namespace {

struct ParseCase {
  const char* line;
  std::int32_t depth;
  int infinite;
  double white_time, black_time, move_time;
};

TEST(ParseGo, ReadsEveryKeywordAndPassesOverTheRest) {
  const ParseCase cases[] = {
      {"go", -1, 0, -1.0, -1.0, -1.0},
      {"go depth 6", 6, 0, -1.0, -1.0, -1.0},
      {"go   depth    6  ", 6, 0, -1.0, -1.0, -1.0},
      {"go infinite", -1, 1, -1.0, -1.0, -1.0},
      {"go wtime 60000 btime 12000 winc 1000 binc 1000 movestogo 10", -1, 0, 60.0, 12.0, -1.0},
      {"go movetime 5000", -1, 0, -1.0, -1.0, 5.0},
      {"go wtime -1000", -1, 0, -1.0, -1.0, -1.0},
      // atoi rules: leading digits count, no digits read as 0.
      {"go depth 7x", 7, 0, -1.0, -1.0, -1.0},
      {"go depth x", 0, 0, -1.0, -1.0, -1.0},
      {"go depth 99999999999", 2147483647, 0, -1.0, -1.0, -1.0},
      // A value after an unknown word is a token of its own; "winc" takes "depth" as its value.
      {"go ponder searchmoves e2e4 depth 3", 3, 0, -1.0, -1.0, -1.0},
      {"go winc depth 3", -1, 0, -1.0, -1.0, -1.0},
      {"go nodes 5 mate 3 infinite", -1, 1, -1.0, -1.0, -1.0},
      // A keyword without its value at the end of the line is ignored.
      {"go depth", -1, 0, -1.0, -1.0, -1.0},
      {"go wtime 3000 movetime", -1, 0, 3.0, -1.0, -1.0},
  };
  for (const ParseCase& c : cases) {
    const GoLimits limits = Parse_go(c.line);
    EXPECT_EQ(limits.depth, c.depth) << c.line;
    EXPECT_EQ(limits.infinite, c.infinite) << c.line;
    EXPECT_DOUBLE_EQ(limits.white_time, c.white_time) << c.line;
    EXPECT_DOUBLE_EQ(limits.black_time, c.black_time) << c.line;
    EXPECT_DOUBLE_EQ(limits.move_time, c.move_time) << c.line;
  }
}

struct BudgetCase {
  const char* name;
  int colour;
  std::int32_t game_keys;
  std::int32_t depth;
  int infinite;
  double white_time, black_time, move_time;
  double time_per_move, abort_time;
  std::int32_t depth_limit;
};

TEST(TimeBudget, DividesTheMoversClockAndSetsTheDepth) {
  const BudgetCase cases[] = {
      {"no limits: one iteration", White, 0, -1, 0, -1, -1, -1, -1.0, -50.0, 1},
      {"infinite", White, 0, -1, 1, -1, -1, -1, -1.0, -50.0, 50},
      {"depth alone", White, 0, 6, 0, -1, -1, -1, -1.0, -50.0, 6},
      {"a clock raises the depth", White, 0, 6, 0, 60.0, -1, -1, 0.25, 12.5, 50},
      {"start of game", White, 1, -1, 0, 60.0, -1, -1, 0.25, 12.5, 50},
      {"divisor 120 from half-move 80", Black, 100, -1, 0, -1, 12.0, -1, 0.1, 5.0, 50},
      {"divisor falls by 3 every two moves", White, 2, -1, 0, 23.7, -1, -1, 23.7 / 237, 50 * 23.7 / 237, 50},
      {"only the mover's clock counts", Black, 0, -1, 0, 60.0, -1, -1, -1.0, -50.0, 1},
      {"move time wins over the clock", White, 0, -1, 0, 60.0, -1, 5.0, 5.0, 250.0, 50},
      {"move time 0", White, 0, -1, 0, -1, -1, 0.0, 0.0, 0.0, 50},
  };
  for (const BudgetCase& c : cases) {
    const TimeBudget b = Time_budget(c.colour, c.game_keys, c.depth, static_cast<std::uint8_t>(c.infinite),
                                     c.white_time, c.black_time, c.move_time);
    EXPECT_DOUBLE_EQ(b.time_per_move, c.time_per_move) << c.name;
    EXPECT_DOUBLE_EQ(b.abort_time, c.abort_time) << c.name;
    EXPECT_EQ(b.depth_limit, c.depth_limit) << c.name;
  }
}

}  // namespace
