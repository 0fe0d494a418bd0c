// Pseudo-legal move generation. A full list is the capture part (captures,
// en-passant captures, promotions) followed by the quiet part.
#pragma once

#include "board/board.h"
#include "board/move.h"

// Writes every capture, en-passant capture and promotion from index 0 and sets
// both counts of the list.
void Generate_captures_white(const Board& board, MoveList& list);
void Generate_captures_black(const Board& board, MoveList& list);

// Appends the quiet moves and castlings after the capture part; needs the
// capture generator to have set `move_count`.
void Generate_moves_white(const Board& board, MoveList& list);
void Generate_moves_black(const Board& board, MoveList& list);

// Code of an enemy piece attacking a back-rank square (c1..g1 / c8..g8), or 0.
int Castling_square_attacked_white(const Board& board, int square);
int Castling_square_attacked_black(const Board& board, int square);

// Code of an enemy piece attacking the side's king, or 0 (also 0 when the side has no king).
int King_attacked_white(const Board& board);
int King_attacked_black(const Board& board);

template <Colour C>
void Generate_captures(const Board& board, MoveList& list);
template <Colour C>
void Generate_moves(const Board& board, MoveList& list);
template <Colour C>
int King_attacked(const Board& board);

// Both parts of the full list for the side to move.
inline void Generate_all_moves(const Board& board, MoveList& list) {
  if (board.colour_move == White) {
    Generate_captures_white(board, list);
    Generate_moves_white(board, list);
  } else {
    Generate_captures_black(board, list);
    Generate_moves_black(board, list);
  }
}
