#include "search/root.h"

#include "board/board_check.h"
#include "board/colour.h"
#include "board/make_move_inline.h"
#include "board/movegen.h"
#include "hash/hash_table.h"
#include "hash/keys.h"
#include "protocol/output.h"
#include "protocol/report.h"
#include "search/alpha_beta.h"
#include "search/ordering.h"
#include "search/pv.h"
#include "search/search_values.h"

template <Colour C>
std::int32_t Root_search(SearchControl& control, Board& board, MoveList& list, std::int32_t depth) {
  constexpr Colour them = Side<C>::them;
  control.iteration_depth = depth;
  control.poll_count = 0;
  control.stop = 0;
  Clear_killers();
  const std::uint64_t key0 = board.hash_key;
  Sort_moves(list);
  Hash_move_first(list, key0);
  Board copy;
  Copy_board(copy, board);

  std::int32_t best = Worst_for<C>();
  bool any_legal = false;
  bool found_best = false;
  int number = 1;
  PV_line p_PV_best_point;
  UndoInfo undo;
  for (int i = 0; i < list.move_count; ++i) {
    const Move m = list.move[i];
    if (!Make_legal_move<C>(board, undo, m)) {
      list.score[i] = C == White ? -MATE_VALUE : MATE_VALUE;  // sorts it last for its side
      continue;
    }
    ++control.nodes;
    any_legal = true;
    Report_currmove(list.move, i, number, depth);
    current_line[0] = m;
    Update_key<C>(board, undo, m);
    path_keys[1] = board.hash_key;
    const std::uint8_t gives_check = King_attacked<them>(board) != 0;
    const std::int32_t child_depth = gives_check ? depth + 1 : depth;
    const int t = Move_type(m);

    // The first move gets the full window; later ones must first beat the best on a null window.
    const std::int32_t low = C == White ? best : -NO_VALUE;
    const std::int32_t high = C == White ? NO_VALUE : best;
    std::int32_t v;
    if (i == 0) {
      v = Alpha_beta<them>(control, board, low, high, child_depth, 1, t, 1, gives_check, 0);
    } else {
      if constexpr (C == White) {
        v = Alpha_beta<them>(control, board, best, best + 1, child_depth, 1, t, 0, gives_check, 0);
      } else {
        v = Alpha_beta<them>(control, board, best - 1, best, child_depth, 1, t, 0, gives_check, 0);
      }
      if (Better<C>(v, best)) v = Alpha_beta<them>(control, board, low, high, child_depth, 1, t, 1, gives_check, 0);
    }
    Unmake_move<C>(board, undo, m);
    board.hash_key = key0;
    // A move whose search was cut short has no value to compare or to store.
    if (control.stop) continue;
    list.score[i] = v;

    if (Better<C>(v, best)) {
      control.best_from = Move_from(m);
      control.best_to = Move_to(m);
      Store_entry(key0, list, i, v, BOUND_ALL, -NO_VALUE, NO_VALUE, control.iteration_depth, 0);
      best = v;
      Save_best_line(p_PV_best_point);
      found_best = true;
      if (v != p_PV_best_point.score_move) Write_text(C == White ? "ERROR white value \n" : "ERROR black value \n");
      Store_entry(key0, list, i, v, BOUND_EXACT, -NO_VALUE, NO_VALUE, control.iteration_depth, 0);
    }
    ++number;
    Report_line(best, p_PV_best_point, depth, C == White, control.nodes);
  }

  Check_board(copy, board);
  if (!any_legal) {
    const std::int32_t v = King_attacked<C>(board) ? Win_at<them>(0) : 0;
    Set_best_line(0, v);
    return v;
  }
  if (found_best) Restore_best_line(p_PV_best_point);
  return best;
}

template std::int32_t Root_search<White>(SearchControl&, Board&, MoveList&, std::int32_t);
template std::int32_t Root_search<Black>(SearchControl&, Board&, MoveList&, std::int32_t);

std::int32_t Root_search_white(SearchControl& control, Board& board, MoveList& list, std::int32_t depth) {
  return Root_search<White>(control, board, list, depth);
}
std::int32_t Root_search_black(SearchControl& control, Board& board, MoveList& list, std::int32_t depth) {
  return Root_search<Black>(control, board, list, depth);
}
