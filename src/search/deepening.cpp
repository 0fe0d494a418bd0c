#include "search/deepening.h"

#include "board/colour.h"
#include "board/make_move_inline.h"
#include "board/movegen.h"
#include "eval/evaluate.h"
#include "hash/keys.h"
#include "protocol/go.h"
#include "protocol/output.h"
#include "protocol/position.h"
#include "protocol/report.h"
#include "search/pv.h"
#include "search/root.h"
#include "search/search_values.h"

SearchTotals search_totals;

namespace {

constexpr int MAX_ITERATIONS = 50;

// The first move of the list that does not leave the mover's king attacked, or 0.
template <Colour C>
Move First_legal(Board& board, const MoveList& list) {
  UndoInfo undo;
  for (int i = 0; i < list.move_count; ++i) {
    const Move m = list.move[i];
    if (!Make_legal_move<C>(board, undo, m)) continue;
    Unmake_move<C>(board, undo, m);
    return m;
  }
  return 0;
}

}  // namespace

void Deepening(Board& board, std::int32_t depth, std::uint8_t infinite, double white_time, double black_time,
               double move_time) {
  SearchControl& control = search_control;
  const bool white = board.colour_move == White;
  const TimeBudget budget =
      Time_budget(board.colour_move, game_key_count, depth, infinite, white_time, black_time, move_time);
  control.abort_time = budget.abort_time;
  control.poll_count = 0;
  control.stop = 0;

  const std::int32_t test_eval = Material_balance(board);
  board.eval = test_eval;
  Full_key(board);
  const std::uint64_t saved_key = board.hash_key;
  for (int k = 0; k < PATH_KEYS; ++k) path_keys[k] = static_cast<std::uint64_t>(k);
  path_keys[0] = board.hash_key;

  MoveList list;
  Generate_all_moves(board, list);
  const Move first_legal = white ? First_legal<White>(board, list) : First_legal<Black>(board, list);

  // The last iteration that searched at least one root move to its end.
  bool searched = false;
  std::int32_t searched_value = 0;
  PV_line searched_line{};
  bool mate = false;
  for (int i = 1; i <= budget.depth_limit; ++i) {
    if (mate || i > MAX_ITERATIONS || control.stop) break;
    control.nodes = 0;
    clock_start = Clock_ms();
    std::int32_t value = white ? Root_search_white(control, board, list, i) : Root_search_black(control, board, list, i);
    clock_now = Clock_ms();
    elapsed = Elapsed_seconds();
    search_totals.iteration_nodes += control.nodes;

    if (control.stop && value == (white ? -NO_VALUE : NO_VALUE)) {
      // Stopped before any root move was searched to the end: the previous
      // iteration's result stands.
      value = searched_value;
      Restore_best_line(searched_line);
    } else {
      searched = true;
      searched_value = value;
      Save_best_line(searched_line);
    }

    if (test_eval != board.eval) Write_text("ERROR test_eval != bitboard->eval\n");
    if (saved_key != board.hash_key) Write_text("\nERROR HESH Test_Deepening \n");
    Report_iteration(value, white, i, control.nodes, elapsed, best_line);
    const std::int32_t s = white ? value : -value;
    mate = s > MATE_REPORT || s < -MATE_REPORT;
    if (budget.time_per_move != -1.0 && budget.time_per_move < elapsed && i >= 2) break;
  }

  if (saved_key != board.hash_key) Write_text("\nERROR HESH Test_Deepening \n");
  if (first_legal == 0) {
    Report_bestmove(0);
    return;
  }
  if (!searched) {
    // No iteration ran: the first legal move in generation order.
    control.best_from = Move_from(first_legal);
    control.best_to = Move_to(first_legal);
    Report_bestmove(first_legal);
    return;
  }
  const Move best = best_line.move[0];
  Report_bestmove(Make_move_word(0, Move_type(best), control.best_from, control.best_to, 0));
  if (control.best_from != Move_from(best)) Write_text("ERROR from(Deepening)\n");
  if (control.best_to != Move_to(best)) Write_text("ERROR to(Deepening)\n");
}
