#include <cstring>

#include "board/make_move.h"
#include "board/movegen.h"
#include "protocol/output.h"
#include "protocol/position.h"

namespace {

void Moves_error() { Write_text("WARNING ! moves error\n"); }

// Offset from the queen promotion to the entry a promotion letter names; -1 for no such letter.
int Promotion_offset(char letter) {
  switch (letter) {
    case '\0':
    case 'q': return 0;
    case 'r': return 1;
    case 'b': return 2;
    case 'n': return 3;
    default: return -1;
  }
}

}  // namespace

void Apply_move_text(Board& board, const char* token) {
  if (std::strlen(token) < 4) return Moves_error();
  const int from = File_of_letter(token[0]) + 8 * Rank_of_digit(token[1]);
  const int to = File_of_letter(token[2]) + 8 * Rank_of_digit(token[3]);

  MoveList list;
  Generate_all_moves(board, list);
  int found = -1;
  for (int i = 0; i < list.move_count && found < 0; ++i)
    if (Move_from(list.move[i]) == from && Move_to(list.move[i]) == to) found = i;
  if (found < 0) return Moves_error();

  const int offset = Promotion_offset(token[4]);
  if (offset < 0) return Moves_error();
  // The letter must name an entry for the same squares: a letter on a move
  // that is no promotion would otherwise pick some other move of the list.
  const int chosen = found + offset;
  if (chosen >= list.move_count || Move_from(list.move[chosen]) != from || Move_to(list.move[chosen]) != to)
    return Moves_error();

  UndoInfo undo;
  if (board.colour_move == White)
    Make_move_white(board, undo, list, chosen);
  else
    Make_move_black(board, undo, list, chosen);
}
