#include "search/ordering.h"

#include <utility>

Move killer_1[KILLER_PLIES];
Move killer_2[KILLER_PLIES];

void Clear_killers() {
  for (int ply = 0; ply < KILLER_PLIES; ++ply) killer_1[ply] = killer_2[ply] = 0;
}

void Sort_moves(MoveList& list) {
  const int n = list.capture_count;
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j)
      if (list.score[i] < list.score[j]) {
        std::swap(list.move[i], list.move[j]);
        std::swap(list.score[i], list.score[j]);
      }
}

void Save_killer(int ply, const MoveList& list, int index) {
  const Move m = list.move[index];
  if (killer_1[ply] == m) return;
  killer_2[ply] = killer_1[ply];
  killer_1[ply] = m;
}

namespace {

// Moves the first entry equal to `killer` at or after `target` to `target`,
// shifting the entries in between up by one.
void Bring_forward(MoveList& list, Move killer, int target) {
  for (int p = target; p < list.move_count; ++p) {
    if (list.move[p] != killer) continue;
    const std::int32_t score = list.score[p];
    for (int j = p; j > target; --j) {
      list.move[j] = list.move[j - 1];
      list.score[j] = list.score[j - 1];
    }
    list.move[target] = killer;
    list.score[target] = score;
    return;
  }
}

}  // namespace

void Killers_first(MoveList& list, int start, int ply) {
  if (killer_1[ply]) Bring_forward(list, killer_1[ply], start);
  if (killer_2[ply]) Bring_forward(list, killer_2[ply], start + 1);
}
