#include "search/quiesce.h"

#include "board/colour.h"
#include "board/make_move_inline.h"
#include "board/movegen.h"
#include "eval/evaluate.h"
#include "search/ordering.h"
#include "search/pv.h"
#include "search/search_values.h"

std::uint64_t quiesce_nodes;

namespace {

// How far the stand-pat value may lie below the bound before pawns, then minor
// pieces, then rooks are no longer worth capturing.
constexpr std::int32_t THIN_PAWNS = 160;
constexpr std::int32_t THIN_MINORS = 500;
constexpr std::int32_t THIN_ROOKS = 700;

}  // namespace

template <Colour C>
std::int32_t Quiesce(Board& board, std::int32_t alpha, std::int32_t beta, std::int32_t ply, std::uint8_t pv) {
  using S = Side<C>;
  constexpr Colour them = S::them;
  ++quiesce_nodes;

  const std::int32_t stand = Evaluate(board) + board.eval;
  bool raised = false;
  // The gap by which the stand-pat value falls short of the side's bound.
  std::int32_t shortfall;
  if constexpr (C == White) {
    if (stand > alpha) {
      if (stand >= beta) return stand;
      alpha = stand;
      raised = true;
    }
    shortfall = alpha - stand;
  } else {
    if (stand < beta) {
      if (stand <= alpha) return stand;
      beta = stand;
      raised = true;
    }
    shortfall = stand - beta;
  }

  // On the principal variation no capture is tried so deep that the line
  // would outgrow its arrays.
  if (pv && ply > MAX_SEARCH_PLY) {
    if (raised && pv) Set_best_line(ply, stand);
    return stand;
  }

  // Victims that cannot bring the value back to the bound are not offered.
  Bitboard& targets = S::enemy_all(board);
  const Bitboard all_targets = targets;
  const auto& enemy = S::enemy_pieces(board);
  if (shortfall > THIN_PAWNS) targets &= ~enemy[PAWN];
  if (shortfall > THIN_MINORS) targets &= ~(enemy[KNIGHT] | enemy[BISHOP]);
  if (shortfall > THIN_ROOKS) targets &= ~enemy[ROOK];
  MoveList list;
  Generate_captures<C>(board, list);
  Sort_moves(list);
  targets = all_targets;

  std::int32_t best = stand;
  PV_line line;
  UndoInfo undo;
  for (int i = 0; i < list.capture_count; ++i) {
    const Move m = list.move[i];
    if (pv) current_line[ply] = m;
    if (Captured_piece(m) == KING) {
      // The opponent left its king en prise: the line ends before the capture.
      const std::int32_t value = Win_at<C>(ply);
      if (pv) Set_best_line(ply, value);
      return value;
    }
    Make_move<C>(board, undo, m);
    const std::int32_t v = Quiesce<them>(board, alpha, beta, ply + 1, pv);
    Unmake_move<C>(board, undo, m);
    if (!Better<C>(v, best)) continue;
    best = v;
    if constexpr (C == White) {
      if (v <= alpha) continue;
      if (v >= beta) return v;
      if (pv) Save_best_line(line);
      alpha = v;
    } else {
      if (v >= beta) continue;
      if (v <= alpha) return v;
      if (pv) Save_best_line(line);
      beta = v;
    }
    raised = true;
  }

  if (!raised) return best;
  if (pv) {
    if (best == stand) {
      Set_best_line(ply, stand);
    } else {
      Restore_best_line(line);
    }
  }
  return best;
}

template std::int32_t Quiesce<White>(Board&, std::int32_t, std::int32_t, std::int32_t, std::uint8_t);
template std::int32_t Quiesce<Black>(Board&, std::int32_t, std::int32_t, std::int32_t, std::uint8_t);

std::int32_t Quiesce_white(Board& board, std::int32_t alpha, std::int32_t beta, std::int32_t ply, std::uint8_t pv) {
  return Quiesce<White>(board, alpha, beta, ply, pv);
}
std::int32_t Quiesce_black(Board& board, std::int32_t alpha, std::int32_t beta, std::int32_t ply, std::uint8_t pv) {
  return Quiesce<Black>(board, alpha, beta, ply, pv);
}
