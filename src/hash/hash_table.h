// The transposition table: one slot per key, addressed by the key's low bits.
#pragma once

#include <cstdint>

#include "board/move.h"

// Bound kinds, named by what happened in the storing search.
constexpr std::int32_t BOUND_EXACT = 1;   // a move improved the window without a cut-off
constexpr std::int32_t BOUND_CUTOFF = 2;  // a move reached the side's cut-off bound
constexpr std::int32_t BOUND_ALL = 3;     // no move improved the window

// What a probe answers when it has no usable entry.
constexpr std::int32_t HASH_NO_HIT = -1000000000;

// One slot: ten 32-bit words.
struct HashEntry {
  std::uint64_t key;  // 0 marks an empty slot
  Move best_move;
  std::int32_t value;  // White's point of view, as the search returned it
  std::int32_t bound;
  std::int32_t ply;              // distance from the root when stored
  std::int32_t iteration_depth;  // depth of the iteration that stored it
  std::int32_t alpha0;           // window when the node was entered
  std::int32_t beta0;
  std::int32_t age;  // `hash_age` when stored
};
static_assert(sizeof(HashEntry) == 40);

// The table: `hash_mask` + 3 zero-filled entries, null until the first "uci".
extern HashEntry* hash_table;
// Number of addressable slots minus one; the slot of a key is key & hash_mask.
extern std::uint64_t hash_mask;
// Age of the current search, counted per "go" and reset by "uci" and "ucinewgame".
extern std::int32_t hash_age;

// Creates a table of the default size (1 MB), replacing any table that existed.
void Init_hash();
// Replaces the table by one of `megabytes` (clamped to 1..1024); with no table
// to replace, reports it and ends the process.
void Set_hash_size(int megabytes);
// Empties every slot; does nothing when no table exists.
void Clear_hash();
// Frees the table's storage.
void Release_hash();

// Offers a node's result to the table; depth is the iteration's depth, ply the node's distance from the root.
void Store_entry(std::uint64_t key, const MoveList& list, int index, std::int32_t value, std::int32_t bound,
                 std::int32_t alpha, std::int32_t beta, std::int32_t depth, std::int32_t ply);

// A stored value usable at this node for White's or Black's search, or HASH_NO_HIT.
std::int32_t Probe_white(std::uint64_t key, std::int32_t ply, std::int32_t depth, std::int32_t alpha, std::int32_t beta);
std::int32_t Probe_black(std::uint64_t key, std::int32_t ply, std::int32_t depth, std::int32_t alpha, std::int32_t beta);

// Moves the stored best move of the position, when the list holds it, to the front.
void Hash_move_first(MoveList& list, std::uint64_t key);
