// The "position" command: FEN reading, move text and the game's keys.
#pragma once

#include <cstdint>

#include "board/board.h"

// Most positions of a game whose keys are kept.
constexpr int GAME_KEYS = 1000;

// Keys of the game's positions: entry k is the position after k moves of the last "position" command.
extern std::uint64_t game_keys[GAME_KEYS];
// Index of the current position's key in `game_keys`.
extern std::int32_t game_key_count;

// Handles the "position " line in `command_line`.
void Position_command(Board& board);

// Reads "fen <FEN record>" into the board's placement, side, castling and en-passant fields.
void Read_fen(Board& board, const char* text);

// Plays one move given in coordinate text ("e2e4", "e7e8n"), or warns and leaves the board as it was.
void Apply_move_text(Board& board, const char* token);
