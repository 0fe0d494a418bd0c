// The alpha-beta search's rules, node by node.
#include "search/alpha_beta.h"

#include <gtest/gtest.h>

#include "search/quiesce.h"
#include "search/root.h"
#include "search_fixture.h"

namespace {

class AlphaBetaTest : public SearchTest {
 protected:
  std::int32_t Search(std::int32_t alpha, std::int32_t beta, int depth, int ply, int prev_type = MOVE_QUIET,
                      int pv = 0, int in_check = 0, int null_done = 0) {
    const auto p = static_cast<std::uint8_t>(pv), c = static_cast<std::uint8_t>(in_check),
               n = static_cast<std::uint8_t>(null_done);
    return board.colour_move == White ? Alpha_beta_white(control, board, alpha, beta, depth, ply, prev_type, p, c, n)
                                      : Alpha_beta_black(control, board, alpha, beta, depth, ply, prev_type, p, c, n);
  }
  bool Table_holds(std::uint64_t key) const { return hash_table[key & hash_mask].key == key; }
};

TEST_F(AlphaBetaTest, MatesScoreByPlyStalemateIsZero) {
  struct Case {
    const char* fen;
    int ply;
    std::int32_t value;
  };
  const Case cases[] = {
      {"6k1/5ppp/8/8/8/8/5PPP/3r2K1 w - - 0 1", 3, -997000},  // White mated at ply 3
      {"3R2k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1", 2, 998000},   // Black mated at ply 2
      {"7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", 2, 0},              // stalemate
  };
  for (const Case& c : cases) {
    Position(c.fen, c.ply);
    for (int i = 0; i < c.ply; ++i) current_line[i] = static_cast<Move>(i + 1);
    EXPECT_EQ(Search(-NO_VALUE, NO_VALUE, c.ply + 2, c.ply, MOVE_QUIET, 1, 1), c.value) << c.fen;
    EXPECT_EQ(best_line.length, c.ply);
    EXPECT_EQ(best_line.score_move, c.value);
    EXPECT_FALSE(Table_holds(board.hash_key)) << "nothing is stored for a node without moves";
  }
}

TEST_F(AlphaBetaTest, ARepetitionIsADrawBeforeTheTableIsAsked) {
  Position("4k3/8/8/8/8/8/8/R3K3 w - - 0 1", 4);
  path_keys[0] = board.hash_key;
  for (int i = 0; i < 4; ++i) current_line[i] = static_cast<Move>(i + 1);
  EXPECT_EQ(Search(-NO_VALUE, NO_VALUE, 8, 4, MOVE_QUIET, 1), 0);
  EXPECT_EQ(best_line.length, 4);
  EXPECT_EQ(best_line.score_move, 0);
  EXPECT_EQ(control.nodes, 0u);
}

TEST_F(AlphaBetaTest, AStoppedSearchReturnsZeroAndTouchesNothing) {
  for (const char* fen : {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", "r3k3/8/8/8/8/8/8/4K3 b - - 0 1"}) {
    Position(fen, 1);
    const Board before = board;
    control.stop = 1;
    killer_1[1] = 0;
    EXPECT_EQ(Search(-NO_VALUE, NO_VALUE, 4, 1), 0);
    EXPECT_EQ(control.nodes, 0u);
    EXPECT_FALSE(Table_holds(board.hash_key));
    EXPECT_EQ(killer_1[1], 0u);
    EXPECT_EQ(Differences(before), "");
  }
}

TEST_F(AlphaBetaTest, NullMoveConditions) {
  // White is a queen up: passing still beats a beta of 0, so a node that may
  // try the null move returns before making a move of its own.
  struct Case {
    const char* name;
    int prev_type, pv, in_check, null_done, depth;
    bool null_cut;
  };
  const Case cases[] = {
      {"r = 2 may pass", MOVE_QUIET, 0, 0, 0, 3, true},
      {"r = 5 may pass", MOVE_QUIET, 0, 0, 0, 6, true},
      {"r = 1 may not", MOVE_QUIET, 0, 0, 0, 2, false},
      {"not on the principal variation", MOVE_QUIET, 1, 0, 0, 3, false},
      {"not after an ordinary capture", MOVE_CAPTURE, 0, 0, 0, 3, false},
      {"after an en-passant capture it may", MOVE_EN_PASSANT, 0, 0, 0, 3, true},
      {"not in check", MOVE_QUIET, 0, 1, 0, 3, false},
      {"not below another null move", MOVE_QUIET, 0, 0, 1, 3, false},
  };
  for (const Case& c : cases) {
    Position("3qk3/8/8/8/8/8/PPP5/2QQK3 w - - 0 1", 1);
    const Board before = board;
    const std::int32_t v = Search(-1, 0, c.depth, 1, c.prev_type, c.pv, c.in_check, c.null_done);
    EXPECT_GE(v, 0) << c.name;
    EXPECT_EQ(control.nodes == 0, c.null_cut) << c.name;
    EXPECT_EQ(Differences(before), "") << c.name;
  }
  // From six plies left the pass is verified, and a verified pass returns beta exactly.
  Position("3qk3/8/8/8/8/8/PPP5/2QQK3 w - - 0 1", 1);
  EXPECT_EQ(Search(-1, 0, 7, 1), 0);
  EXPECT_GT(control.nodes, 0u) << "the verification's nodes are counted";
}

TEST_F(AlphaBetaTest, KillersComeFromCutoffsButNotOrdinaryCaptures) {
  // The first move tried reaches any beta: Rxa8 (a capture) in the first
  // position, a7-a8=Q (a promotion) in the second.
  Position("r3k3/8/8/8/8/8/8/R3K3 w - - 0 1", 1);
  Search(-NO_VALUE, -NO_VALUE + 1, 2, 1, MOVE_QUIET, 0, 0, 1);
  EXPECT_EQ(killer_1[1], 0u);
  EXPECT_TRUE(Table_holds(board.hash_key));
  Position("4k3/P7/8/8/8/8/8/4K3 w - - 0 1", 1);
  Search(-NO_VALUE, -NO_VALUE + 1, 2, 1, MOVE_QUIET, 0, 0, 1);
  EXPECT_EQ(Move_type(killer_1[1]), MOVE_PROMOTION + QUEEN);
}

TEST_F(AlphaBetaTest, PliesBeyondTheArraysGoToTheHorizon) {
  Position("4k3/8/8/8/8/8/p7/R3K3 w - - 0 1", MAX_SEARCH_PLY + 1);
  const std::uint64_t before = quiesce_nodes;
  const std::int32_t v = Search(-NO_VALUE, NO_VALUE, 200, MAX_SEARCH_PLY + 1, MOVE_QUIET, 1);
  EXPECT_EQ(v, Evaluate(board) + board.eval);
  EXPECT_EQ(quiesce_nodes - before, 1u);
  EXPECT_EQ(control.nodes, 0u);
}

TEST_F(AlphaBetaTest, RootScoresIllegalMovesLastAndCountsOnlyLegalOnes) {
  // The e2 bishop is pinned: its moves leave the king in check.
  Position("4r2k/8/8/8/8/8/4B3/4K3 w - - 0 1");
  MoveList list;
  Generate_all_moves(board, list);
  testing::internal::CaptureStdout();
  const std::int32_t v = Root_search_white(control, board, list, 1);
  const std::string out = testing::internal::GetCapturedStdout();
  int illegal = 0;
  for (int i = 0; i < list.move_count; ++i)
    if (Moving_piece(list.move[i]) == BISHOP) {
      EXPECT_EQ(list.score[i], -1000000);
      EXPECT_EQ(out.find("currmove " + Text_of(list.move[i])), std::string::npos);
      ++illegal;
    }
  EXPECT_EQ(illegal, 9);
  EXPECT_EQ(control.nodes, static_cast<std::uint64_t>(list.move_count - illegal));
  EXPECT_EQ(best_line.score_move, v);
  EXPECT_EQ(Move_from(best_line.move[0]), control.best_from);
  EXPECT_EQ(control.iteration_depth, 1);
}

}  // namespace
