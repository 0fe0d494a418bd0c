// The quiescence search: stand pat, victim thinning, king captures and its lines.
#include "search/quiesce.h"

#include <gtest/gtest.h>

#include "search_fixture.h"

namespace {

class QuiesceTest : public SearchTest {
 protected:
  std::int32_t Stand() const { return Evaluate(board) + board.eval; }
  // Quiescence nodes one call visits: 1 when it generated nothing worth searching.
  std::uint64_t Nodes_of(std::int32_t alpha, std::int32_t beta, std::int32_t* value = nullptr) {
    const std::uint64_t before = quiesce_nodes;
    const std::int32_t v = board.colour_move == White ? Quiesce_white(board, alpha, beta, 1, 0)
                                                      : Quiesce_black(board, alpha, beta, 1, 0);
    if (value) *value = v;
    return quiesce_nodes - before;
  }
};

TEST_F(QuiesceTest, StandPatAtOrAboveBetaSearchesNothing) {
  Position("4k3/8/8/8/8/8/p7/R3K3 w - - 0 1");
  std::int32_t v = 0;
  EXPECT_EQ(Nodes_of(-NO_VALUE, Stand(), &v), 1u);
  EXPECT_EQ(v, Stand());
  // Black's twin: at or below alpha.
  Position("r3k3/P7/8/8/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(Nodes_of(Stand(), NO_VALUE, &v), 1u);
  EXPECT_EQ(v, Stand());
}

TEST_F(QuiesceTest, HopelessVictimsAreNotOffered) {
  // White: Ra1xa2 takes a pawn, the only capture.
  Position("4k3/8/8/8/8/8/p7/R3K3 w - - 0 1");
  const Board before = board;
  const std::int32_t stand = Stand();
  EXPECT_EQ(Nodes_of(stand + 160, NO_VALUE), 2u) << "exactly 160 short: the pawn is still a target";
  EXPECT_EQ(Nodes_of(stand + 161, NO_VALUE), 1u) << "161 short: pawns are thinned";
  EXPECT_EQ(Differences(before), "");

  // Black: Ra8xa7 takes a pawn.
  Position("r3k3/P7/8/8/8/8/8/4K3 b - - 0 1");
  const std::int32_t black_stand = Stand();
  EXPECT_EQ(Nodes_of(-NO_VALUE, black_stand - 160), 2u);
  EXPECT_EQ(Nodes_of(-NO_VALUE, black_stand - 161), 1u);
  EXPECT_EQ(board.all_white_piece, Board_from("r3k3/P7/8/8/8/8/8/4K3 b - - 0 1").all_white_piece);
}

TEST_F(QuiesceTest, QueensAndEnPassantSurviveEveryThinning) {
  struct Case {
    const char* fen;
    std::int32_t shortfall;
    std::uint64_t nodes;
  };
  const Case cases[] = {
      // The d4 knight can take a queen on b3, a rook on f5 or a bishop on c6,
      // and none of the three can take back.
      {"4k3/8/2b5/5r2/3N4/1q6/8/4K3 w - - 0 1", 0, 4},
      {"4k3/8/2b5/5r2/3N4/1q6/8/4K3 w - - 0 1", 500, 4},
      {"4k3/8/2b5/5r2/3N4/1q6/8/4K3 w - - 0 1", 501, 3},
      {"4k3/8/2b5/5r2/3N4/1q6/8/4K3 w - - 0 1", 701, 2},
      // e5xd6 en passant is still offered far below the bound.
      {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", 5000, 2},
  };
  for (const Case& c : cases) {
    Position(c.fen);
    EXPECT_EQ(Nodes_of(Stand() + c.shortfall, NO_VALUE), c.nodes) << c.fen << " " << c.shortfall;
  }
}

TEST_F(QuiesceTest, TakingTheKingEndsTheLineAtTheNodeBefore) {
  Position("4k3/8/8/8/8/8/4R3/4K3 w - - 0 1");  // Black's king stands en prise
  for (int i = 0; i < 5; ++i) current_line[i] = static_cast<Move>(i + 1);
  EXPECT_EQ(Quiesce_white(board, -NO_VALUE, NO_VALUE, 5, 1), 995000);
  EXPECT_EQ(best_line.length, 5);
  EXPECT_EQ(best_line.score_move, 995000);
  EXPECT_EQ(best_line.move[4], 5u);
  Position("4k3/4r3/8/8/8/8/8/4K3 b - - 0 1");
  EXPECT_EQ(Quiesce_black(board, -NO_VALUE, NO_VALUE, 5, 0), -995000);
}

TEST_F(QuiesceTest, InCheckItStillStandsPat) {
  Position("4k3/8/8/8/8/8/8/K3r3 w - - 0 1");  // check along the first rank, no capture
  std::int32_t v = 0;
  EXPECT_EQ(Nodes_of(-NO_VALUE, NO_VALUE, &v), 1u);
  EXPECT_EQ(v, Stand());
}

TEST_F(QuiesceTest, ALineWhereTheStandPatValueHeld) {
  Position("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
  for (int i = 0; i < 3; ++i) current_line[i] = static_cast<Move>(40 + i);
  const std::int32_t v = Quiesce_white(board, -NO_VALUE, NO_VALUE, 3, 1);
  EXPECT_EQ(v, Stand());
  EXPECT_EQ(best_line.length, 3);
  EXPECT_EQ(best_line.score_move, v);
  EXPECT_EQ(best_line.move[2], 42u);
}

TEST_F(QuiesceTest, TheLineNeverOutgrowsItsArrays) {
  // A capture is on the board, but a principal-variation node this deep only stands pat.
  Position("4k3/8/8/8/8/8/p7/R3K3 w - - 0 1");
  std::int32_t v = Quiesce_white(board, -NO_VALUE, NO_VALUE, MAX_SEARCH_PLY + 1, 1);
  EXPECT_EQ(v, Stand());
  EXPECT_EQ(best_line.length, MAX_SEARCH_PLY + 1);
  EXPECT_LE(best_line.length, PV_MOVES);
  // Off the principal variation nothing is recorded, so the captures are searched.
  v = Quiesce_white(board, -NO_VALUE, NO_VALUE, 150, 0);
  EXPECT_GT(v, Stand());
}

}  // namespace
