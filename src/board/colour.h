// Everything that differs between White and Black, in one place. The move
// generators, the check tests and the move maker are written once as
// templates on the colour and read their colour's facts from Side<C>.
#pragma once

#include "board/bit_tables.h"
#include "board/board.h"

template <Colour C>
struct Side;

template <>
struct Side<White> {
  static constexpr Colour them = Black;
  static constexpr int forward = 8;            // square step of a pawn push
  static constexpr int eval_sign = 1;          // make adds material gains to `eval`
  static constexpr int double_step_rank = 1;   // rank a pawn double-steps from
  static constexpr int promotion_rank = 6;     // rank from which the next step promotes
  static constexpr int en_passant_rank = 4;    // rank from which a pawn takes en passant
  static constexpr int passage_rank = 2;       // `taking_passage_y` after a double step
  static constexpr int no_pawn_check_rank = 7; // a king here cannot be checked by a pawn
  static constexpr int king_home = 4;          // e1
  static constexpr int queen_rook_home = 0;    // a1
  static constexpr int king_rook_home = 7;     // h1
  static constexpr int back_rank = 0;          // squares of the back rank are back_rank*8 + file

  static const SquareTable& pawn_captures() { return pawn_capture_white; }

  template <class B> static auto& own_all(B& b) { return b.all_white_piece; }
  template <class B> static auto& own_pieces(B& b) { return b.white_piece; }
  template <class B> static auto& own_names(B& b) { return b.white_name_from_coord; }
  template <class B> static auto& enemy_all(B& b) { return b.all_black_piece; }
  template <class B> static auto& enemy_pieces(B& b) { return b.black_piece; }
  template <class B> static auto& enemy_names(B& b) { return b.black_name_from_coord; }
  template <class B> static auto& castle_queen_side(B& b) { return b.castling_Q; }
  template <class B> static auto& castle_king_side(B& b) { return b.castling_K; }
};

template <>
struct Side<Black> {
  static constexpr Colour them = White;
  static constexpr int forward = -8;
  static constexpr int eval_sign = -1;
  static constexpr int double_step_rank = 6;
  static constexpr int promotion_rank = 1;
  static constexpr int en_passant_rank = 3;
  static constexpr int passage_rank = 5;
  static constexpr int no_pawn_check_rank = 0;
  static constexpr int king_home = 60;        // e8
  static constexpr int queen_rook_home = 56;  // a8
  static constexpr int king_rook_home = 63;   // h8
  static constexpr int back_rank = 7;

  static const SquareTable& pawn_captures() { return pawn_capture_black; }

  template <class B> static auto& own_all(B& b) { return b.all_black_piece; }
  template <class B> static auto& own_pieces(B& b) { return b.black_piece; }
  template <class B> static auto& own_names(B& b) { return b.black_name_from_coord; }
  template <class B> static auto& enemy_all(B& b) { return b.all_white_piece; }
  template <class B> static auto& enemy_pieces(B& b) { return b.white_piece; }
  template <class B> static auto& enemy_names(B& b) { return b.white_name_from_coord; }
  template <class B> static auto& castle_queen_side(B& b) { return b.castling_q; }
  template <class B> static auto& castle_king_side(B& b) { return b.castling_k; }
};
