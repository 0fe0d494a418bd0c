// The search's progress lines and its final "bestmove".
#pragma once

#include <cstdint>

#include "board/move.h"
#include "search/pv.h"

// Which writer a move text is for: the promotion letter follows a different rule in each.
enum class MoveLetter {
  None,          // never a letter
  UnlessPassant, // a letter (or a blank) after every move but an en-passant capture
  Promotion,     // a letter after promotions only
};

// Writes "a1" .. "h8".
void Write_square(int square);
// Writes a move's from and to squares and, by `rule`, its promotion letter.
void Write_move(Move m, MoveLetter rule);
// The letter the best-line report writes after a move of type `move_type`.
char Promotion_letter(int move_type);

// Writes " score cp N" or, beyond the mate threshold, " score mate N" with N the
// distance to mate in full moves (negative when the side is being mated). The
// value is White's; `white` tells whose point of view the score is written from.
void Write_score(std::int32_t value, bool white);

// "info currmove e2e4 currmovenumber 1 depth 5".
void Report_currmove(const Move* moves, int index, int number, int depth);

// The root's best line so far. A value already reported writes an empty line,
// and nothing else when the depth is the same too.
void Report_line(std::int32_t value, const PV_line& line, int depth, std::uint8_t colour, std::uint64_t nodes);

// Forgets the last value and depth that Report_line wrote.
void Reset_report_line();

// The line written after each iteration.
void Report_iteration(std::int32_t value, bool white_to_move, int depth, std::uint64_t nodes, double seconds,
                      const PV_line& line);

// "bestmove e2e4"; a null `m` writes the protocol's null move "0000".
void Report_bestmove(Move m);
