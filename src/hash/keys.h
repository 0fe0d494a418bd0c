// 64-bit position keys.
#pragma once

#include "board/board.h"

// Fills the key tables; each call draws fresh values.
void Init_keys();

// Computes the board's key from scratch into `hash_key`.
void Full_key(Board& board);
