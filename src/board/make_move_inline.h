// The move maker's bodies, as inline templates so that the search and perft
// loops can inline them; board/make_move.h declares the named entry points.
#pragma once

#include <cstddef>
#include <cstring>

#include "board/colour.h"
#include "board/make_move.h"
#include "board/movegen.h"
#include "eval/eval_tables.h"

namespace make_move_detail {

// Moves the piece of colour C standing on `from` to the empty square `to`.
template <Colour C>
inline void Shift_piece(Board& board, int from, int to) {
  using S = Side<C>;
  const int p = S::own_names(board)[from];
  const Bitboard both = coord_bit[from] | coord_bit[to];
  S::own_all(board) ^= both;
  S::own_pieces(board)[p] ^= both;
  S::own_names(board)[to] = p;
  S::own_names(board)[from] = 0;
}

// Takes the piece of colour C off `square`.
template <Colour C>
inline void Remove_piece(Board& board, int square) {
  using S = Side<C>;
  const int q = S::own_names(board)[square];
  S::own_all(board) ^= coord_bit[square];
  S::own_pieces(board)[q] ^= coord_bit[square];
  S::own_names(board)[square] = 0;
}

// Puts a piece of colour C with code `piece` on the empty `square`.
template <Colour C>
inline void Put_piece(Board& board, int square, int piece) {
  using S = Side<C>;
  S::own_all(board) ^= coord_bit[square];
  S::own_pieces(board)[piece] ^= coord_bit[square];
  S::own_names(board)[square] = piece;
}

// A king or rook of the mover leaving its square loses castling rights.
template <Colour C>
inline void Clear_own_rights(Board& board, int piece, int from) {
  using S = Side<C>;
  if (piece == KING) {
    S::castle_queen_side(board) = 0;
    S::castle_king_side(board) = 0;
  } else if (piece == ROOK) {
    if (from == S::queen_rook_home) S::castle_queen_side(board) = 0;
    if (from == S::king_rook_home) S::castle_king_side(board) = 0;
  }
}

template <Colour C>
inline void Restore_own_rights(Board& board, const UndoInfo& undo, int piece, int from) {
  using S = Side<C>;
  auto& saved_queen_side = C == White ? undo.castling_Q : undo.castling_q;
  auto& saved_king_side = C == White ? undo.castling_K : undo.castling_k;
  if (piece == KING) {
    S::castle_queen_side(board) = saved_queen_side;
    S::castle_king_side(board) = saved_king_side;
  } else if (piece == ROOK) {
    if (from == S::queen_rook_home) S::castle_queen_side(board) = saved_queen_side;
    if (from == S::king_rook_home) S::castle_king_side(board) = saved_king_side;
  }
}

// A rook of the opponent taken on its corner takes its castling right with it.
template <Colour C>
inline void Clear_enemy_rights(Board& board, int captured, int to) {
  using E = Side<Side<C>::them>;
  if (captured != ROOK) return;
  if (to == E::queen_rook_home) E::castle_queen_side(board) = 0;
  if (to == E::king_rook_home) E::castle_king_side(board) = 0;
}

template <Colour C>
inline void Restore_enemy_rights(Board& board, const UndoInfo& undo, int captured, int to) {
  using E = Side<Side<C>::them>;
  if (captured != ROOK) return;
  if (to == E::queen_rook_home) E::castle_queen_side(board) = C == White ? undo.castling_q : undo.castling_Q;
  if (to == E::king_rook_home) E::castle_king_side(board) = C == White ? undo.castling_k : undo.castling_K;
}

}  // namespace make_move_detail

template <Colour C>
inline void Make_move(Board& board, UndoInfo& undo, Move m) {
  using namespace make_move_detail;
  using S = Side<C>;
  constexpr Colour them = S::them;
  const int c = Captured_piece(m), type = Move_type(m), f = Move_from(m), t = Move_to(m);

  undo.taking_passage_yes = board.taking_passage_yes;
  undo.taking_passage_x = board.taking_passage_x;
  undo.taking_passage_y = board.taking_passage_y;
  // The four castling flags stand side by side in both records: one copy saves them.
  static_assert(offsetof(Board, castling_k) - offsetof(Board, castling_Q) == 3);
  static_assert(offsetof(UndoInfo, castling_k) - offsetof(UndoInfo, castling_Q) == 3);
  std::memcpy(&undo.castling_Q, &board.castling_Q, 4);
  board.taking_passage_yes = 0;
  board.colour_move = static_cast<std::uint8_t>(them);

  switch (type) {
    case MOVE_QUIET: {
      Shift_piece<C>(board, f, t);
      const int p = S::own_names(board)[t];
      if (p == PAWN && t - f == 2 * S::forward) {
        board.taking_passage_yes = 1;
        board.taking_passage_x = File_of(f);
        board.taking_passage_y = S::passage_rank;
      }
      Clear_own_rights<C>(board, p, f);
      break;
    }
    case MOVE_CAPTURE: {
      const int q = Side<them>::own_names(board)[t];
      Remove_piece<them>(board, t);
      board.eval += S::eval_sign * piece_value[q];
      Shift_piece<C>(board, f, t);
      Clear_own_rights<C>(board, S::own_names(board)[t], f);
      Clear_enemy_rights<C>(board, c, t);
      break;
    }
    case MOVE_CASTLE_QUEEN:
      Shift_piece<C>(board, f, t);
      Shift_piece<C>(board, S::queen_rook_home, S::queen_rook_home + 3);
      S::castle_queen_side(board) = S::castle_king_side(board) = 0;
      break;
    case MOVE_CASTLE_KING:
      Shift_piece<C>(board, f, t);
      Shift_piece<C>(board, S::king_rook_home, S::king_rook_home - 2);
      S::castle_queen_side(board) = S::castle_king_side(board) = 0;
      break;
    case MOVE_EN_PASSANT:
      Shift_piece<C>(board, f, t);
      Remove_piece<them>(board, t - S::forward);
      board.eval += S::eval_sign * piece_value[PAWN];
      break;
    case MOVE_PROMOTION + KNIGHT:
    case MOVE_PROMOTION + BISHOP:
    case MOVE_PROMOTION + ROOK:
    case MOVE_PROMOTION + QUEEN: {
      const int n = type - MOVE_PROMOTION;
      Remove_piece<C>(board, f);
      Put_piece<C>(board, t, n);
      board.eval += S::eval_sign * (piece_value[n] - piece_value[PAWN]);
      break;
    }
    case MOVE_CAPTURE_PROMOTION + KNIGHT:
    case MOVE_CAPTURE_PROMOTION + BISHOP:
    case MOVE_CAPTURE_PROMOTION + ROOK:
    case MOVE_CAPTURE_PROMOTION + QUEEN: {
      const int n = type - MOVE_CAPTURE_PROMOTION;
      const int q = Side<them>::own_names(board)[t];
      Remove_piece<C>(board, f);
      Remove_piece<them>(board, t);
      Put_piece<C>(board, t, n);
      board.eval += S::eval_sign * (piece_value[q] - piece_value[PAWN] + piece_value[n]);
      Clear_enemy_rights<C>(board, c, t);
      break;
    }
    default:
      break;
  }
  board.all_piece = board.all_white_piece | board.all_black_piece;
}

template <Colour C>
inline void Unmake_move(Board& board, const UndoInfo& undo, Move m) {
  using namespace make_move_detail;
  using S = Side<C>;
  constexpr Colour them = S::them;
  const int c = Captured_piece(m), type = Move_type(m), f = Move_from(m), t = Move_to(m);

  board.taking_passage_yes = undo.taking_passage_yes;
  board.colour_move = static_cast<std::uint8_t>(C);

  switch (type) {
    case MOVE_QUIET: {
      const int p = S::own_names(board)[t];
      if (p == PAWN && t - f == 2 * S::forward) {
        board.taking_passage_x = undo.taking_passage_x;
        board.taking_passage_y = undo.taking_passage_y;
      }
      Restore_own_rights<C>(board, undo, p, f);
      Shift_piece<C>(board, t, f);
      break;
    }
    case MOVE_CAPTURE:
      Restore_own_rights<C>(board, undo, S::own_names(board)[t], f);
      Restore_enemy_rights<C>(board, undo, c, t);
      Shift_piece<C>(board, t, f);
      Put_piece<them>(board, t, c);
      board.eval -= S::eval_sign * piece_value[c];
      break;
    case MOVE_CASTLE_QUEEN:
    case MOVE_CASTLE_KING:
      S::castle_queen_side(board) = C == White ? undo.castling_Q : undo.castling_q;
      S::castle_king_side(board) = C == White ? undo.castling_K : undo.castling_k;
      Shift_piece<C>(board, t, f);
      if (type == MOVE_CASTLE_QUEEN)
        Shift_piece<C>(board, S::queen_rook_home + 3, S::queen_rook_home);
      else
        Shift_piece<C>(board, S::king_rook_home - 2, S::king_rook_home);
      break;
    case MOVE_EN_PASSANT:
      Shift_piece<C>(board, t, f);
      Put_piece<them>(board, t - S::forward, c);
      board.eval -= S::eval_sign * piece_value[PAWN];
      break;
    case MOVE_PROMOTION + KNIGHT:
    case MOVE_PROMOTION + BISHOP:
    case MOVE_PROMOTION + ROOK:
    case MOVE_PROMOTION + QUEEN: {
      const int n = S::own_names(board)[t];
      Remove_piece<C>(board, t);
      board.eval += S::eval_sign * (piece_value[PAWN] - piece_value[n]);
      Put_piece<C>(board, f, PAWN);
      break;
    }
    case MOVE_CAPTURE_PROMOTION + KNIGHT:
    case MOVE_CAPTURE_PROMOTION + BISHOP:
    case MOVE_CAPTURE_PROMOTION + ROOK:
    case MOVE_CAPTURE_PROMOTION + QUEEN: {
      Restore_enemy_rights<C>(board, undo, c, t);
      const int n = S::own_names(board)[t];
      Remove_piece<C>(board, t);
      board.eval += S::eval_sign * (piece_value[PAWN] - piece_value[n] - piece_value[c]);
      Put_piece<C>(board, f, PAWN);
      Put_piece<them>(board, t, c);
      break;
    }
    default:
      break;
  }
  board.all_piece = board.all_white_piece | board.all_black_piece;
}


// Plays m when it does not leave the mover's own king attacked; otherwise the
// board is left as it was. Returns whether the move was played.
template <Colour C>
inline bool Make_legal_move(Board& board, UndoInfo& undo, Move m) {
  Make_move<C>(board, undo, m);
  if (!King_attacked<C>(board)) return true;
  Unmake_move<C>(board, undo, m);
  return false;
}
