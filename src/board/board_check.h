// Copying a board and comparing a copy with the live board field by field.
#pragma once

#include "board/board.h"

// Copies every field of `source` into `destination`.
void Copy_board(Board& destination, const Board& source);

// Writes one line to standard output for each field in which `bitboard_now`
// differs from `test`; changes neither board.
void Check_board(const Board& test, const Board& bitboard_now);
