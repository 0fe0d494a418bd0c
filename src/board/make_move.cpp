#include "board/make_move.h"

#include "board/make_move_inline.h"






void Make_move_white(Board& board, UndoInfo& undo, const MoveList& list, int index) {
  Make_move<White>(board, undo, list.move[index]);
}
void Make_move_black(Board& board, UndoInfo& undo, const MoveList& list, int index) {
  Make_move<Black>(board, undo, list.move[index]);
}
void Unmake_move_white(Board& board, const UndoInfo& undo, const MoveList& list, int index) {
  Unmake_move<White>(board, undo, list.move[index]);
}
void Unmake_move_black(Board& board, const UndoInfo& undo, const MoveList& list, int index) {
  Unmake_move<Black>(board, undo, list.move[index]);
}
