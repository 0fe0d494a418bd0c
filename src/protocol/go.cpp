#include "protocol/go.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "hash/hash_table.h"
#include "protocol/uci.h"
#include "search/deepening.h"

SearchControl search_control;
std::int32_t clock_start;
std::int32_t clock_now;
double elapsed;

std::int32_t Clock_ms() {
  using namespace std::chrono;
  static const steady_clock::time_point origin = steady_clock::now();
  return static_cast<std::int32_t>(duration_cast<milliseconds>(steady_clock::now() - origin).count());
}

double Elapsed_seconds() {
  const double seconds = (clock_now - clock_start) / 1000.0;
  return seconds < 0.01 ? 0.01 : seconds;
}

namespace {

// The token's leading integer by the rules of atoi (blanks, a sign, digits,
// anything after them ignored, 0 when there are none), held to 32 bits.
std::int32_t Token_int(const char* token) {
  const long long value = std::strtoll(token, nullptr, 10);
  return static_cast<std::int32_t>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// The "go" line is split in a copy so that `command_line` stays whole.
char go_tokens[MAX_LINE_LENGTH + 1];

}  // namespace

GoLimits Parse_go(const char* line) {
  GoLimits limits;
  std::strncpy(go_tokens, line, MAX_LINE_LENGTH);
  go_tokens[MAX_LINE_LENGTH] = '\0';
  char* save = nullptr;
  strtok_r(go_tokens, " ", &save);  // the "go" itself
  for (char* token = strtok_r(nullptr, " ", &save); token; token = strtok_r(nullptr, " ", &save)) {
    const bool takes_value = Texts_equal(token, "depth") || Texts_equal(token, "wtime") ||
                             Texts_equal(token, "btime") || Texts_equal(token, "winc") ||
                             Texts_equal(token, "binc") || Texts_equal(token, "movestogo") ||
                             Texts_equal(token, "movetime");
    if (Texts_equal(token, "infinite")) limits.infinite = 1;
    if (!takes_value) continue;
    const char* value_token = strtok_r(nullptr, " ", &save);
    if (!value_token) break;  // a keyword at the end of the line has no value to take
    const std::int32_t value = Token_int(value_token);
    if (Texts_equal(token, "depth")) limits.depth = value;
    if (Texts_equal(token, "wtime")) limits.white_time = value / 1000.0;
    if (Texts_equal(token, "btime")) limits.black_time = value / 1000.0;
    if (Texts_equal(token, "movetime")) limits.move_time = value / 1000.0;
  }
  return limits;
}

TimeBudget Time_budget(int colour_move, std::int32_t game_key_count, std::int32_t depth, std::uint8_t infinite,
                       double white_time, double black_time, double move_time) {
  const std::int32_t moves_left = std::max(40, 80 - game_key_count / 2);
  const double divisor = 3.0 * moves_left;
  TimeBudget budget{-1.0, 0.0, depth};
  if (colour_move == White && white_time != -1.0) budget.time_per_move = white_time / divisor;
  if (colour_move != White && black_time != -1.0) budget.time_per_move = black_time / divisor;
  if (move_time != -1.0) budget.time_per_move = move_time;
  budget.abort_time = 50.0 * budget.time_per_move;
  if (budget.time_per_move != -1.0) budget.depth_limit = 50;
  if (infinite == 1) {
    budget.depth_limit = 50;
  } else if (budget.depth_limit == -1) {
    budget.depth_limit = 1;
  }
  return budget;
}

void Go_command(Board& board) {
  const GoLimits limits = Parse_go(command_line);
  ++hash_age;
  Deepening(board, limits.depth, limits.infinite, limits.white_time, limits.black_time, limits.move_time);
}
