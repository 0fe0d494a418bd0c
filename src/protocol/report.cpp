#include "protocol/report.h"

#include <climits>
#include <cstdio>

#include "protocol/output.h"
#include "search/search_values.h"

namespace {

// What Report_line wrote last; kept across searches.
constexpr std::int32_t NOTHING_REPORTED = -999999999;
std::int32_t last_value = NOTHING_REPORTED;
std::int32_t last_depth = 0;

}  // namespace

void Write_square(int square) {
  const char text[3] = {static_cast<char>('a' + square % 8), '\0', '\0'};
  Write_text(text);
  Write_int(square / 8 + 1);
}

char Promotion_letter(int move_type) {
  const int c = move_type <= 15 ? move_type - 10 : move_type - 20;
  static constexpr char letters[] = "xpnbrqk";
  return c >= 0 && c <= 6 ? letters[c] : ' ';
}

void Write_move(Move m, MoveLetter rule) {
  Write_square(Move_from(m));
  Write_square(Move_to(m));
  const int type = Move_type(m);
  const bool letter = (rule == MoveLetter::UnlessPassant && type != MOVE_EN_PASSANT) ||
                      (rule == MoveLetter::Promotion && type > MOVE_EN_PASSANT);
  if (!letter) return;
  const char text[2] = {Promotion_letter(type), '\0'};
  Write_text(text);
}

void Write_score(std::int32_t value, bool white) {
  const std::int32_t s = white ? value : -value;
  if (s > MATE_REPORT || s < -MATE_REPORT) {
    // The ply at which a side is mated, and from it the full moves to that mate.
    const std::int32_t magnitude = s > 0 ? s : -s;
    const std::int32_t ply = (MATE_VALUE - magnitude + MATE_STEP / 2) / MATE_STEP;
    const std::int32_t moves = (ply + 1) / 2;
    Write_text(" score mate ");
    Write_int(s > 0 ? moves : -moves);
    return;
  }
  Write_text(" score cp ");
  Write_int(s);
}

void Report_currmove(const Move* moves, int index, int number, int depth) {
  Write_text("info currmove ");
  Write_move(moves[index], MoveLetter::None);
  Write_text(" currmovenumber ");
  Write_int(number);
  Write_text(" depth ");
  Write_int(depth);
  Write_text("\n");
  std::fflush(stdout);
}

void Report_line(std::int32_t value, const PV_line& line, int depth, std::uint8_t colour, std::uint64_t nodes) {
  if (value == last_value) {
    Write_text("\n");
    if (depth == last_depth) {
      std::fflush(stdout);
      return;
    }
  }
  last_value = value;
  last_depth = depth;
  Write_text("info ");
  Write_text(" depth ");
  Write_int(depth);
  Write_text(" seldepth ");
  Write_int(line.length);
  Write_score(value, colour == White);
  Write_text(" nodes ");
  Write_int(static_cast<std::int64_t>(nodes));
  // A line whose leaf value is not the reported one (up to its sign) is not printed.
  const std::uint32_t line_square = static_cast<std::uint32_t>(line.score_move) * static_cast<std::uint32_t>(line.score_move);
  const std::uint32_t value_square = static_cast<std::uint32_t>(value) * static_cast<std::uint32_t>(value);
  if (line_square != value_square) {
    Write_text("\nERROR LINE \n value = ");
    Write_int(value);
    Write_text("\n p_PV_best_point.score_move = ");
    Write_int(line.score_move);
    Write_text("\n**********************\n  \n");
  } else {
    Write_text(" pv ");
    for (int i = 0; i < line.length; ++i) {
      Write_move(line.move[i], MoveLetter::UnlessPassant);
      Write_text(" ");
    }
  }
  Write_text("\n");
  std::fflush(stdout);
}

void Reset_report_line() {
  last_value = NOTHING_REPORTED;
  last_depth = 0;
}

void Report_iteration(std::int32_t value, bool white_to_move, int depth, std::uint64_t nodes, double seconds,
                      const PV_line& line) {
  const double rate = static_cast<double>(nodes) / seconds;
  const std::int32_t nps = rate < static_cast<double>(INT_MAX) ? static_cast<std::int32_t>(rate) : INT_MAX;
  Write_text("info ");
  Write_text(" nps ");
  Write_int(nps);
  Write_text(" depth ");
  Write_int(depth);
  Write_score(value, white_to_move);
  Write_text(" nodes ");
  Write_int(static_cast<std::int64_t>(nodes));
  Write_text(" pv ");
  for (int i = 0; i < line.length; ++i) {
    Write_move(line.move[i], MoveLetter::Promotion);
    Write_text(" ");
  }
  Write_text("\n");
}

void Report_bestmove(Move m) {
  Write_text("bestmove ");
  if (m == 0) {
    Write_text("0000");
  } else {
    Write_move(m, MoveLetter::Promotion);
  }
  Write_text("\n");
  std::fflush(stdout);
}
