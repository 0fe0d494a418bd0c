// 64-bit position keys: the XOR of one random number per (colour, piece,
// square) and fixed numbers for the side to move, castling rights and en passant.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "board/make_move.h"
#include "board/move.h"

// Random key of each [colour][piece code][square]; row 0 of each colour stays zero.
extern std::uint64_t piece_keys[2][7][64];

constexpr std::uint64_t key_white_to_move = 0x7C0228DD624EC390;
constexpr std::uint64_t key_castling_K = 0xB3598055CE64A656;
constexpr std::uint64_t key_castling_Q = 0x12A8F886AF9418C2;
constexpr std::uint64_t key_castling_k = 0x1877B67E57A764D5;
constexpr std::uint64_t key_castling_q = 0xD4490AD346F14431;
constexpr std::uint64_t key_en_passant = 0x6BE8C34538F83F11;

// State of the key generator: starts at 1 with the process and is never reseeded,
// so every "uci" draws fresh keys.
extern std::uint32_t key_random_state;

// Next value (0..32767) of the key generator, a 32-bit linear congruential generator.
int Key_random();

// Fills `piece_keys` with 3,840 draws of the generator.
void Init_keys();

// The en-passant term of a key: the file and rank enter only through their XOR,
// widened with its sign.
inline std::uint64_t En_passant_key(std::int32_t x, std::int32_t y) {
  return key_en_passant ^ static_cast<std::uint64_t>(static_cast<std::int64_t>(x ^ y));
}

// Computes the board's key from scratch into `hash_key`.
void Full_key(Board& board);

// XORs into `hash_key` what list.move[index], just made for `side` (1 White, 0 Black),
// changed; `undo` is the record its make filled.
void Update_key(int side, const MoveList& list, int index, Board& board, const UndoInfo& undo);

template <Colour C>
void Update_key(Board& board, const UndoInfo& undo, Move m);
