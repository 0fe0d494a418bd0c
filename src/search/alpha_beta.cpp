#include "search/alpha_beta.h"

#include "board/colour.h"
#include "board/make_move_inline.h"
#include "board/movegen.h"
#include "hash/hash_table.h"
#include "hash/keys.h"
#include "protocol/poll.h"
#include "search/ordering.h"
#include "search/pv.h"
#include "search/search_values.h"

namespace {

// Plies the null move takes off, and the verification search when much depth remains.
constexpr int NULL_REDUCTION = 4;
constexpr int VERIFY_REDUCTION = 5;
constexpr int VERIFY_FROM = 6;

template <Colour C>
std::int32_t Probe(std::uint64_t key, std::int32_t ply, std::int32_t depth, std::int32_t alpha, std::int32_t beta) {
  return C == White ? Probe_white(key, ply, depth, alpha, beta) : Probe_black(key, ply, depth, alpha, beta);
}

// The null window just on the side's own bound: (alpha, alpha + 1) for White,
// (beta - 1, beta) for Black.
template <Colour C>
struct NullWindow {
  std::int32_t low, high;
};
template <Colour C>
NullWindow<C> Null_window(std::int32_t alpha, std::int32_t beta) {
  if constexpr (C == White) {
    return {alpha, alpha + 1};
  } else {
    return {beta - 1, beta};
  }
}

// Whether a reply's value gets past the mover's own bound (and must be searched again or in full).
template <Colour C>
bool Beats_bound(std::int32_t v, std::int32_t alpha, std::int32_t beta) {
  return C == White ? v > alpha : v < beta;
}

}  // namespace

template <Colour C>
std::int32_t Alpha_beta(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta, std::int32_t depth,
                        std::int32_t ply, std::int32_t prev_move_type, std::uint8_t pv, std::uint8_t in_check,
                        std::uint8_t null_done) {
  constexpr Colour them = Side<C>::them;
  if (control.stop) return 0;
  // Extensions cannot push a node past the ply-indexed arrays.
  if (ply >= depth || ply > MAX_SEARCH_PLY) return Horizon<C>(control, board, alpha, beta, pv, ply);
  if (Is_repetition(ply)) {
    if (pv) Set_best_line(ply, 0);
    return 0;
  }
  const std::uint64_t key0 = board.hash_key;
  if (!pv) {
    const std::int32_t v = Probe<C>(key0, ply, control.iteration_depth, alpha, beta);
    if (v != HASH_NO_HIT) return v;
  }

  const std::int32_t r = depth - ply;
  if (!null_done && r >= 2 && !pv && prev_move_type != MOVE_CAPTURE && !in_check) {
    const std::uint8_t passage_yes = board.taking_passage_yes;
    const std::int32_t passage_x = board.taking_passage_x;
    const std::int32_t passage_y = board.taking_passage_y;
    const std::uint64_t nodes = control.nodes;
    if (passage_yes) board.hash_key ^= En_passant_key(passage_x, passage_y);
    board.hash_key ^= key_white_to_move;
    board.taking_passage_yes = 0;
    board.taking_passage_x = 0;
    board.taking_passage_y = 0;
    board.colour_move = static_cast<std::uint8_t>(them);
    const NullWindow<C> window = Null_window<C>(alpha, beta);
    const std::int32_t v =
        Alpha_beta<them>(control, board, window.low, window.high, depth - NULL_REDUCTION, ply + 1, prev_move_type, 0, 0, 1);
    control.nodes = nodes;
    board.taking_passage_yes = passage_yes;
    board.taking_passage_x = passage_x;
    board.taking_passage_y = passage_y;
    board.colour_move = static_cast<std::uint8_t>(C);
    board.hash_key = key0;
    // The side passes and still reaches its cut-off bound.
    const bool passes = C == White ? v >= beta : v <= alpha;
    if (passes) {
      if (r < VERIFY_FROM) return v;
      const NullWindow<them> verify = Null_window<them>(alpha, beta);
      const std::int32_t w = Alpha_beta<C>(control, board, verify.low, verify.high, depth - VERIFY_REDUCTION, ply,
                                           prev_move_type, 0, 0, 1);
      if (C == White && w >= beta) return beta;
      if (C == Black && w <= alpha) return alpha;
    }
  }

  MoveList list;
  Generate_captures<C>(board, list);
  Generate_moves<C>(board, list);
  Sort_moves(list);
  Killers_first(list, list.capture_count != 0 && list.score[0] >= 0 ? 1 : 0, ply);
  Hash_move_first(list, key0);
  const int late_limit = list.capture_count + 2;

  const std::int32_t alpha0 = alpha;
  const std::int32_t beta0 = beta;
  std::int32_t best = Worst_for<C>();
  int best_index = 0;
  int last_best_index = 0;
  bool any_legal = false;
  bool raised = false;
  PV_line line;
  UndoInfo undo;
  for (int i = 0; i < list.move_count; ++i) {
    const Move m = list.move[i];
    if (!Make_legal_move<C>(board, undo, m)) continue;
    ++control.nodes;
    any_legal = true;
    if (pv) current_line[ply] = m;
    Update_key<C>(board, undo, m);
    path_keys[ply + 1] = board.hash_key;

    std::int32_t child_depth = depth;
    const std::uint8_t gives_check = King_attacked<them>(board) != 0;
    if (gives_check) child_depth = depth + 1;
    const int t = Move_type(m);
    // On the principal variation a capture of an equal or bigger piece is searched a ply deeper.
    if (pv && t == MOVE_CAPTURE && Moving_piece(m) <= Captured_piece(m)) child_depth = depth + 1;

    std::int32_t v;
    const NullWindow<C> window = Null_window<C>(alpha, beta);
    if (pv) {
      if (i == 0) {
        v = Alpha_beta<them>(control, board, alpha, beta, child_depth, ply + 1, t, 1, gives_check, null_done);
      } else {
        v = Alpha_beta<them>(control, board, window.low, window.high, child_depth, ply + 1, t, 0, gives_check,
                             null_done);
        if (Beats_bound<C>(v, alpha, beta))
          v = Alpha_beta<them>(control, board, alpha, beta, child_depth, ply + 1, t, 1, gives_check, null_done);
      }
    } else {
      // Late quiet moves get a look one ply shallower first.
      if (i > late_limit && !gives_check && !in_check && child_depth - ply >= 3) {
        v = Alpha_beta<them>(control, board, window.low, window.high, child_depth - 1, ply + 1, t, 0, 0, null_done);
      } else {
        v = C == White ? alpha + 1 : beta - 1;
      }
      if (Beats_bound<C>(v, alpha, beta))
        v = Alpha_beta<them>(control, board, window.low, window.high, child_depth, ply + 1, t, 0, gives_check,
                             null_done);
    }
    Unmake_move<C>(board, undo, m);
    board.hash_key = key0;

    if (!Better<C>(v, best)) continue;
    if (Beats_bound<C>(v, alpha, beta)) {
      const bool cutoff = C == White ? v >= beta : v <= alpha;
      if (cutoff) {
        // A stopped search's values stay out of the killers and the table.
        if (!control.stop) {
          if (t != MOVE_CAPTURE) Save_killer(ply, list, i);
          Store_entry(key0, list, i, v, BOUND_CUTOFF, alpha0, beta0, control.iteration_depth, ply);
        }
        return v;
      }
      if constexpr (C == White) {
        alpha = v;
      } else {
        beta = v;
      }
      raised = true;
      best_index = i;
      if (pv) Save_best_line(line);
    }
    best = v;
    last_best_index = i;
  }

  if (!any_legal) {
    const std::int32_t v = King_attacked<C>(board) ? Win_at<them>(ply) : 0;
    if (pv) Set_best_line(ply, v);
    return v;
  }
  if (raised) {
    if (pv) Restore_best_line(line);
    if (!control.stop)
      Store_entry(key0, list, best_index, C == White ? alpha : beta, BOUND_EXACT, alpha0, beta0,
                  control.iteration_depth, ply);
    return best;
  }
  if (!control.stop) Store_entry(key0, list, last_best_index, best, BOUND_ALL, alpha0, beta0, control.iteration_depth, ply);
  return best;
}

template std::int32_t Alpha_beta<White>(SearchControl&, Board&, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                        std::int32_t, std::uint8_t, std::uint8_t, std::uint8_t);
template std::int32_t Alpha_beta<Black>(SearchControl&, Board&, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                        std::int32_t, std::uint8_t, std::uint8_t, std::uint8_t);

std::int32_t Alpha_beta_white(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta,
                              std::int32_t depth, std::int32_t ply, std::int32_t prev_move_type, std::uint8_t pv,
                              std::uint8_t in_check, std::uint8_t null_done) {
  return Alpha_beta<White>(control, board, alpha, beta, depth, ply, prev_move_type, pv, in_check, null_done);
}
std::int32_t Alpha_beta_black(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta,
                              std::int32_t depth, std::int32_t ply, std::int32_t prev_move_type, std::uint8_t pv,
                              std::uint8_t in_check, std::uint8_t null_done) {
  return Alpha_beta<Black>(control, board, alpha, beta, depth, ply, prev_move_type, pv, in_check, null_done);
}
