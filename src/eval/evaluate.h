// Static evaluation: the from-scratch material count and the positional score.
// Both are seen from White's side (positive favours White, whoever is to move)
// and use the values of eval_tables.h, so both are 0 before the first
// Init_eval_tables.
#pragma once

#include <bit>
#include <cstdint>

#include "board/board.h"
#include "board/colour.h"
#include "eval/eval_tables.h"

// White's material minus Black's. A king set that is not empty counts once as
// piece_value[KING], however many bits it holds. Sets Board.eval before a search.
std::int32_t Material_balance(const Board& board);

// Positional score: king placement and shelter, pawn structure, rook file
// mobility, knight and bishop placement. Never reads Board.eval; the stand-pat
// score of the quiescence search is Evaluate + Board.eval.
std::int32_t Evaluate(const Board& board);

// The three parts of Evaluate, each the White half minus the Black half.
// `white_phase` and `black_phase` are the colours' phase material.
std::int32_t Eval_kings(const Board& board, std::int32_t white_phase, std::int32_t black_phase);
std::int32_t Eval_pawns(const Board& board, std::int32_t white_phase, std::int32_t black_phase);
std::int32_t Eval_pieces(const Board& board);

// Squares a rook on `square` reaches along its file, up and down to the first
// piece, counting that piece's square only when it is not in `own`.
std::int32_t Rook_file_mobility(const Board& board, int square, Bitboard own);

// Sum of phase_value over the colour's pieces, taken by counting each piece set.
template <Colour C>
inline std::int32_t Phase_material(const Board& board) {
  const auto& pieces = Side<C>::own_pieces(board);
  std::int32_t material = 0;
  for (int code = PAWN; code <= KING; ++code) material += phase_value[code] * std::popcount(pieces[code]);
  return material;
}
