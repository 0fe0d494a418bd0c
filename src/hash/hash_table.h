// The transposition table.
#pragma once

#include <cstdint>

// Age of the current search, counted per "go" and reset by "uci" and "ucinewgame".
extern std::int32_t hash_age;

// Creates a table of the default size (1 MB), replacing any table that existed.
void Init_hash();
// Replaces the table by one of `megabytes` (clamped to 1..1024).
void Set_hash_size(int megabytes);
// Empties every slot; does nothing when no table exists.
void Clear_hash();
// Frees the table's storage.
void Release_hash();
