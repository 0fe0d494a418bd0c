// One iteration at the root: every root move searched to the iteration's depth.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "board/move.h"
#include "protocol/go.h"

// Searches the root list at `depth`, C to move. Leaves the best move's squares
// in the control record, its line in best_line and each move's value in the
// list's scores (the next iteration's order). Returns the best value; a search
// stopped before its first legal move was fully searched returns NO_VALUE
// from C's side (-NO_VALUE for White) and changes neither the best move nor best_line.
template <Colour C>
std::int32_t Root_search(SearchControl& control, Board& board, MoveList& list, std::int32_t depth);

std::int32_t Root_search_white(SearchControl& control, Board& board, MoveList& list, std::int32_t depth);
std::int32_t Root_search_black(SearchControl& control, Board& board, MoveList& list, std::int32_t depth);
