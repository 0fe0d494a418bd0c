#include "hash/keys.h"

// The key tables arrive with the transposition table; until then every
// position keys to 0.
void Init_keys() {}

void Full_key(Board& board) { board.hash_key = 0; }
