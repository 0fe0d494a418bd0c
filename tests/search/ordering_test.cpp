// Capture sorting and the killer moves.
#include <gtest/gtest.h>

#include <vector>

#include "search/ordering.h"

namespace {

// A list of the given moves (distinct words 1, 2, ...) with their scores.
MoveList List_of(const std::vector<std::int32_t>& scores, int capture_count) {
  MoveList list{};
  for (std::size_t i = 0; i < scores.size(); ++i) {
    list.move[i] = static_cast<Move>(i + 1);
    list.score[i] = scores[i];
  }
  list.capture_count = capture_count;
  list.move_count = static_cast<std::int32_t>(scores.size());
  return list;
}

std::vector<Move> Moves(const MoveList& list) { return {list.move, list.move + list.move_count}; }

TEST(SortMoves, ExchangeSortOfTheCapturePartOnly) {
  struct Case {
    std::vector<std::int32_t> scores;
    int capture_count;
    std::vector<Move> order;
  };
  const Case cases[] = {
      {{9, 9, 19}, 3, {3, 2, 1}},          // equal scores change places through a swap
      {{5, 3, 5, 7}, 4, {4, 3, 1, 2}},
      {{1, 5, 9, 20}, 2, {2, 1, 3, 4}},    // the quiet part keeps its order
      {{1, 5, 9}, 0, {1, 2, 3}},
  };
  for (const Case& c : cases) {
    MoveList list = List_of(c.scores, c.capture_count);
    Sort_moves(list);
    EXPECT_EQ(Moves(list), c.order);
    for (int i = 0; i < list.move_count; ++i) EXPECT_EQ(list.score[i], c.scores[list.move[i] - 1]) << "score travels";
  }
}

TEST(Killers, NewestFirstAndNoDuplicate) {
  Clear_killers();
  const MoveList list = List_of({0, 0, 0}, 0);
  Save_killer(4, list, 0);
  Save_killer(4, list, 1);
  Save_killer(4, list, 0);
  EXPECT_EQ(killer_1[4], 1u);
  EXPECT_EQ(killer_2[4], 2u);
  Save_killer(4, list, 0);  // already the newest: nothing changes
  EXPECT_EQ(killer_1[4], 1u);
  EXPECT_EQ(killer_2[4], 2u);
  EXPECT_EQ(killer_1[3], 0u);
  Clear_killers();
  EXPECT_EQ(killer_1[4], 0u);
  EXPECT_EQ(killer_2[4], 0u);
}

TEST(Killers, BroughtForwardByShifts) {
  struct Case {
    const char* name;
    Move killer1, killer2;
    int start;
    std::vector<Move> order;
  };
  const Case cases[] = {
      {"both", 5, 7, 1, {1, 5, 7, 2, 3, 4, 6, 8}},
      {"only the second, at 7", 99, 8, 1, {1, 2, 8, 3, 4, 5, 6, 7}},
      {"no captures: from the front", 5, 7, 0, {5, 7, 1, 2, 3, 4, 6, 8}},
      {"a killer before its place is not found", 1, 2, 1, {1, 2, 3, 4, 5, 6, 7, 8}},
      {"already in place", 2, 3, 1, {1, 2, 3, 4, 5, 6, 7, 8}},
      {"none", 0, 0, 1, {1, 2, 3, 4, 5, 6, 7, 8}},
  };
  for (const Case& c : cases) {
    MoveList list = List_of({10, 20, 30, 40, 50, 60, 70, 80}, 1);
    killer_1[9] = c.killer1;
    killer_2[9] = c.killer2;
    Killers_first(list, c.start, 9);
    EXPECT_EQ(Moves(list), c.order) << c.name;
    for (int i = 0; i < list.move_count; ++i) EXPECT_EQ(list.score[i], static_cast<std::int32_t>(list.move[i] * 10));
  }
  Clear_killers();
}

}  // namespace
