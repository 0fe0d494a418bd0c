// Repetitions along the search path and the game, and the line copies.
#include <gtest/gtest.h>

#include "protocol/position.h"
#include "search/pv.h"

namespace {

constexpr std::uint64_t kRepeated = 0xABCDEF;

void Fresh_keys(int game_count) {
  for (int k = 0; k < PATH_KEYS; ++k) path_keys[k] = 1000 + static_cast<std::uint64_t>(k);
  for (int k = 0; k < GAME_KEYS; ++k) game_keys[k] = 5000 + static_cast<std::uint64_t>(k);
  game_key_count = game_count;
}

TEST(Repetition, ComparesEveryOtherKeyFromFourBack) {
  struct Case {
    const char* name;
    int game_count;
    int ply;
    int path_index;  // -1: none
    int game_index;  // -1: none
    bool repeated;
  };
  const Case cases[] = {
      {"ply 4 finds the root", 0, 4, 0, -1, true},
      {"ply 5 finds ply 1", 0, 5, 1, -1, true},
      {"ply 5 does not see the root", 0, 5, 0, -1, false},
      {"ply 8 finds ply 2", 0, 8, 2, -1, true},
      {"two plies apart are never compared", 0, 6, 4, -1, false},
      {"ply 6 never looks into the game", 3, 6, -1, 1, false},
      {"ply 2 finds the game two plies before the root", 3, 2, -1, 1, true},
      {"ply 2 with two game moves: only the first key", 2, 2, -1, 0, true},
      {"ply 3 right after a position without moves", 0, 3, -1, 0, false},
      {"ply 3 looks four plies back", 5, 3, -1, 4, true},
      {"ply 3 and six plies back", 5, 3, -1, 2, true},
      {"ply 3 and five plies back are not compared", 5, 3, -1, 3, false},
      {"ply 0 compares the game four plies back", 6, 0, -1, 2, true},
  };
  for (const Case& c : cases) {
    Fresh_keys(c.game_count);
    path_keys[c.ply] = kRepeated;
    if (c.path_index >= 0) path_keys[c.path_index] = kRepeated;
    if (c.game_index >= 0) game_keys[c.game_index] = kRepeated;
    EXPECT_EQ(Is_repetition(c.ply), c.repeated) << c.name;
  }
}

TEST(BestLine, SetSaveAndRestoreCopyTheMeaningfulPart) {
  for (int i = 0; i < 5; ++i) current_line[i] = static_cast<Move>(100 + i);
  Set_best_line(3, -40);
  EXPECT_EQ(best_line.length, 3);
  EXPECT_EQ(best_line.score_move, -40);
  EXPECT_EQ(best_line.move[2], 102u);

  PV_line copy{};
  copy.move[3] = 77;
  Save_best_line(copy);
  EXPECT_EQ(copy.length, 3);
  EXPECT_EQ(copy.move[0], 100u);
  EXPECT_EQ(copy.move[3], 77u) << "moves beyond the length are not copied";

  Set_best_line(0, 5);
  EXPECT_EQ(best_line.length, 0);
  Restore_best_line(copy);
  EXPECT_EQ(best_line.length, 3);
  EXPECT_EQ(best_line.score_move, -40);
  EXPECT_EQ(best_line.move[1], 101u);
}

}  // namespace
