// Path counts of well-known positions against the counts every correct move
// generator gives, each position also with its colours exchanged.
#include <gtest/gtest.h>

#include <cstdlib>

#include "board_fixtures.h"
#include "eval/eval_tables.h"

namespace {

struct PerftCase {
  const char* name;
  const char* fen;
  std::vector<std::uint64_t> counts;  // counts[d - 1] is the count at depth d
  int quick_depth;                    // deepest depth of the default run
};

const PerftCase perft_cases[] = {
    {"start", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",
     {20, 400, 8902, 197281, 4865609, 119060324}, 5},
    {"kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
     {48, 2039, 97862, 4085603, 193690690}, 4},
    {"position3", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -", {14, 191, 2812, 43238, 674624, 11030083}, 5},
    {"position4", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq -",
     {6, 264, 9467, 422333, 15833292}, 4},
    {"position5", "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ -", {44, 1486, 62379, 2103487, 89941194}, 4},
    {"position6", "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - -",
     {46, 2079, 89890, 3894594, 164075551}, 3},
};

void PrintTo(const PerftCase& c, std::ostream* os) { *os << c.name; }

// The deep depths run only when TALVEX_DEEP_PERFT is set (ctest -L deep sets it).
bool Deep_run() { return std::getenv("TALVEX_DEEP_PERFT") != nullptr; }

class KnownPerft : public ::testing::TestWithParam<PerftCase> {};

}  // namespace

TEST_P(KnownPerft, CountsMatchForPositionAndMirror) {
  const PerftCase& c = GetParam();
  Init_eval_tables();
  const int deepest = Deep_run() ? static_cast<int>(c.counts.size()) : c.quick_depth;
  for (const std::string& fen : {std::string(c.fen), Mirror_fen(c.fen)}) {
    for (int depth = 1; depth <= deepest; ++depth) {
      Board board = Board_from(fen);
      EXPECT_EQ(Perft(board, depth), c.counts[depth - 1]) << fen << " depth " << depth;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Positions, KnownPerft, ::testing::ValuesIn(perft_cases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(PerftDivide, RootMovesInGenerationOrder) {
  Board board = Board_from("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -");
  const std::vector<RootCount> roots = Perft_divide(board, 2);
  ASSERT_EQ(roots.size(), 20u);
  EXPECT_EQ(Text_of(roots[0].move), "b1a3");
  EXPECT_EQ(Text_of(roots[19].move), "h2h4");
  for (const RootCount& root : roots) EXPECT_EQ(root.nodes, 20u);
}

TEST(PerftSuite, ParsesEpdLines) {
  SuiteCase c;
  ASSERT_TRUE(Parse_suite_line("8/8/8/8/8/8/8/K6k w - - ;D1 3 ;D2 9", c));
  EXPECT_EQ(c.fen, "8/8/8/8/8/8/8/K6k w - -");
  ASSERT_EQ(c.expected.size(), 2u);
  EXPECT_EQ(c.expected[1], (std::pair<int, std::uint64_t>{2, 9}));
  EXPECT_FALSE(Parse_suite_line("   ", c));
  EXPECT_FALSE(Parse_suite_line("# comment", c));
}
