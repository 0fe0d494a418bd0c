// The principal variation, carried up from the leaves by copies, and the
// repetition test over the keys of the search path and of the game.
#pragma once

#include <cstdint>

#include "board/move.h"
#include "protocol/position.h"

// Capacities of the ply-indexed arrays.
constexpr int PV_MOVES = 101;
constexpr int CURRENT_LINE_MOVES = 103;
constexpr int PATH_KEYS = 120;

// The deepest ply at which the alpha-beta search still expands a node, and at
// which the quiescence search still makes a capture: every ply-indexed array
// has room for the plies below it.
constexpr int MAX_SEARCH_PLY = 100;

struct PV_line {
  Move move[PV_MOVES];      // move[0] is the root move
  std::int32_t score_move;  // White's value of the leaf the line ends in
  std::int32_t length;
};

// The line of the most recent leaf value that travelled up unrefuted.
extern PV_line best_line;
// The move made at each ply of the path being searched (written in PV nodes).
extern Move current_line[CURRENT_LINE_MOVES];
// The key of the position at each ply of the path; entry 0 is the root.
extern std::uint64_t path_keys[PATH_KEYS];

// best_line becomes the path to the node at `ply`, valued `value`.
inline void Set_best_line(int ply, std::int32_t value) {
  for (int i = 0; i < ply; ++i) best_line.move[i] = current_line[i];
  best_line.score_move = value;
  best_line.length = ply;
}

inline void Copy_line(PV_line& to, const PV_line& from) {
  for (int i = 0; i < from.length; ++i) to.move[i] = from.move[i];
  to.score_move = from.score_move;
  to.length = from.length;
}

inline void Save_best_line(PV_line& copy) { Copy_line(copy, best_line); }
inline void Restore_best_line(const PV_line& copy) { Copy_line(best_line, copy); }

// Whether the position at ply `n` repeats one an even number of plies (at
// least four) earlier: on the search path from ply 4 on, in the game before the
// root for plies 0 to 3.
inline bool Is_repetition(int n) {
  const std::uint64_t key = path_keys[n];
  if (n >= 4) {
    for (int k = n - 4; k >= 0; k -= 2)
      if (path_keys[k] == key) return true;
    return false;
  }
  for (int k = game_key_count + n - 4; k >= 0; k -= 2)
    if (game_keys[k] == key) return true;
  return false;
}
