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

// File (0..7) of a letter "a".."h" and rank (0..7) of a digit "1".."8"; -1 for any other character.
inline int File_of_letter(char c) { return c >= 'a' && c <= 'h' ? c - 'a' : -1; }
inline int Rank_of_digit(char c) { return c >= '1' && c <= '8' ? c - '1' : -1; }

// Handles the "position " line in `command_line`.
void Position_command(Board& board);

// Reads "fen <FEN record>" into the board's placement, side, castling and en-passant fields.
void Read_fen(Board& board, const char* text);

// Plays one move given in coordinate text ("e2e4", "e7e8n"), or warns and leaves the board as it was.
void Apply_move_text(Board& board, const char* token);
