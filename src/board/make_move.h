// Playing a move on the board and taking it back.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "board/move.h"

// What make saves so that unmake (and the key update) can restore it.
struct UndoInfo {
  std::uint8_t taking_passage_yes;
  std::int32_t taking_passage_x;
  std::int32_t taking_passage_y;
  std::uint8_t castling_Q;
  std::uint8_t castling_K;
  std::uint8_t castling_q;
  std::uint8_t castling_k;
};

// Plays list.move[index], a move generated for this very position; `hash_key` is not touched.
void Make_move_white(Board& board, UndoInfo& undo, const MoveList& list, int index);
void Make_move_black(Board& board, UndoInfo& undo, const MoveList& list, int index);
// Takes back list.move[index], the move last made with `undo`.
void Unmake_move_white(Board& board, const UndoInfo& undo, const MoveList& list, int index);
void Unmake_move_black(Board& board, const UndoInfo& undo, const MoveList& list, int index);
