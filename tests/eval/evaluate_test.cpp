#include "eval/evaluate.h"

#include <gtest/gtest.h>

#include "board/board_fixtures.h"
#include "eval/eval_tables.h"

namespace {

class Evaluation : public ::testing::Test {
 protected:
  void SetUp() override { Init_eval_tables(); }
};

std::int32_t Evaluate_fen(const std::string& fen) { return Evaluate(Board_from(fen)); }
std::int32_t Material_fen(const std::string& fen) { return Material_balance(Board_from(fen)); }

}  // namespace

TEST_F(Evaluation, KnownScores) {
  struct Case {
    const char* fen;
    int evaluate, material;
  };
  const Case cases[] = {
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - -", 0, 0},
      {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b - -", 5, 0},
      {"rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R b - -", 10, 0},
      {"4k3/8/8/4P3/8/8/8/4K3 w - -", 120, 100},
      {"4k3/8/8/8/8/P7/P7/4K3 w - -", 70, 200},
      {"4k3/8/8/8/3R4/8/8/4K3 w - -", 7, 600},
      {"r3k3/8/8/8/8/8/8/R3K3 w - -", 0, 0},
      {"6k1/5ppp/8/8/8/8/5PPP/6K1 w - -", 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Evaluate_fen(c.fen), c.evaluate) << c.fen;
    EXPECT_EQ(Material_fen(c.fen), c.material) << c.fen;
  }
}

TEST_F(Evaluation, PawnStructure) {
  // Two and three pawns on one file cost 20 once: the a-pawns differ only by their placement and file bonuses.
  const int two = Evaluate_fen("4k3/8/8/8/8/P7/P7/4K3 w - -");
  const int three = Evaluate_fen("4k3/8/8/8/P7/P7/P7/4K3 w - -");
  // The third pawn adds its end-game placement (20) and its free-file and passed bonuses (30 + 30).
  EXPECT_EQ(three - two, 20 + 30 + 30);
  // A pawn blocked on its own file by an enemy pawn gets no free-file bonus even with free neighbours.
  // Only the placements count: e4 20 for White, e6 (read as e3) 10 for Black.
  EXPECT_EQ(Evaluate_fen("4k3/8/4p3/8/4P3/8/8/4K3 w - -"), 20 - 10);
  // In the middle game a passed pawn earns only its free files: e4 25 + 40, the king shelter the same for both.
  const int middle = Evaluate_fen("rnbqkbnr/8/8/8/4P3/8/8/RNBQKBNR w - -");
  const int no_pawn = Evaluate_fen("rnbqkbnr/8/8/8/8/8/8/RNBQKBNR w - -");
  EXPECT_EQ(middle - no_pawn, 25 + 40);
}

TEST_F(Evaluation, SideWithoutKing) {
  EXPECT_EQ(Material_fen("8/8/8/8/8/8/8/4K3 w - -"), 90000);
  EXPECT_EQ(Material_fen("4k3/8/8/8/8/8/8/8 w - -"), -90000);
  EXPECT_EQ(Evaluate_fen("8/8/8/8/8/8/8/8 w - -"), 0);
  // Only the black king's end-game term (e8: 0) is left, and the white queen has no positional term.
  EXPECT_EQ(Evaluate_fen("4k3/8/8/8/3Q4/8/8/8 w - -"), 0);
  EXPECT_EQ(Evaluate_fen("8/8/8/8/3k4/8/8/8 w - -"), -15);
}

TEST_F(Evaluation, ColourMirrorNegatesTheScore) {
  const char* fens[] = {
      "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq -",
      "r2q1rk1/pp2bppp/2n1pn2/3p4/3P4/2NBPN2/PP3PPP/R2Q1RK1 w - -",
      "2r2rk1/1b2qppp/p2p1n2/1p2p3/4P3/1BN1QP2/PPP3PP/2KR3R w - -",
      "8/5pk1/6p1/3P4/2K5/8/6P1/8 w - -",
      "4k3/2p5/8/3P4/8/8/5PP1/3K4 w - -",
      "3rk3/1p3p2/8/8/8/8/1P3P2/3RK3 w - -",
      "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
      "6k1/8/8/8/8/8/1K6/8 w - -",
      "2k5/pp6/8/8/8/8/6PP/5K2 w - -",
      "rnbqkbnr/pppppppp/8/8/3P4/8/PPP1PPPP/RNBQKBNR b KQkq -",
  };
  for (const char* fen : fens) {
    EXPECT_EQ(Evaluate_fen(Mirror_fen(fen)), -Evaluate_fen(fen)) << fen;
    EXPECT_EQ(Material_fen(Mirror_fen(fen)), -Material_fen(fen)) << fen;
  }
}

TEST_F(Evaluation, ShelterSquaresPastTheBoardCountAsCovered) {
  // A white king on e8 has no shelter squares on the board: table value 0 and no penalty;
  // the black rooks see their open files (7 squares each).
  EXPECT_EQ(Evaluate_fen("4K3/8/8/8/8/8/8/rnbqkbnr w - -"), -14);
  EXPECT_EQ(Evaluate_fen("RNBQKBNR/8/8/8/8/8/8/4k3 w - -"), 14);
  // White king on h7: g8 and h8 hold white pieces, the third square lies past the board.
  const int h7_covered = Evaluate_fen("4k1RR/7K/8/8/8/8/8/rnbq1bnr w - -");
  const int h7_without = Evaluate_fen("4k3/7K/8/8/8/8/8/rnbq1bnr w - -");
  // Removing the rooks loses their mobility and exactly the two in-board shelter squares (2 x 20).
  const Board covered = Board_from("4k1RR/7K/8/8/8/8/8/rnbq1bnr w - -");
  const int rook_terms = Rook_file_mobility(covered, 62, covered.all_white_piece) +
                         Rook_file_mobility(covered, 63, covered.all_white_piece);
  EXPECT_EQ(h7_covered - h7_without, rook_terms + 2 * 20);
  // Black king on a2: b1 and a1 black, the square below a1 lies past the board.
  const int a2_covered = Evaluate_fen("RNBQ1BNR/8/8/8/8/8/k7/rr2K3 w - -");
  const int a2_without = Evaluate_fen("RNBQ1BNR/8/8/8/8/8/k7/4K3 w - -");
  const Board black_covered = Board_from("RNBQ1BNR/8/8/8/8/8/k7/rr2K3 w - -");
  const int black_rook_terms = Rook_file_mobility(black_covered, 0, black_covered.all_black_piece) +
                               Rook_file_mobility(black_covered, 1, black_covered.all_black_piece);
  EXPECT_EQ(a2_covered - a2_without, -(black_rook_terms + 2 * 20));
}

TEST_F(Evaluation, PhaseFromSetsEqualsSquareWalk) {
  const char* fens[] = {
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - -",
      "r2q1rk1/pp2bppp/2n1pn2/3p4/3P4/2NBPN2/PP3PPP/R2Q1RK1 w - -",
      "4k3/8/8/8/8/8/8/QR2K3 w - -",
      "4k3/8/8/8/8/8/8/QRN1K3 w - -",
  };
  for (const char* fen : fens) {
    const Board board = Board_from(fen);
    int white = 0, black = 0;
    for (int s = 0; s < 64; ++s) {
      white += phase_value[board.white_name_from_coord[s]];
      black += phase_value[board.black_name_from_coord[s]];
    }
    EXPECT_EQ(Phase_material<White>(board), white) << fen;
    EXPECT_EQ(Phase_material<Black>(board), black) << fen;
  }
  // Queen and rook (1,800) leave the other side in the end game; adding a knight (2,200) does not.
  EXPECT_EQ(Phase_material<White>(Board_from("4k3/8/8/8/8/8/8/QR2K3 w - -")), 1800);
  EXPECT_EQ(Phase_material<White>(Board_from("4k3/8/8/8/8/8/8/QRN1K3 w - -")), 2200);
}
