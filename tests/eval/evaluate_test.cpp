// Static evaluation: known scores, colour symmetry, pawn structure, kingless
// boards, king shelter at the board's edge and the phase count.
#include "eval/evaluate.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "board/board_fixtures.h"
#include "eval/eval_tables.h"

namespace {

class EvalTest : public testing::Test {
 protected:
  void SetUp() override { Init_eval_tables(); }
};

std::string Full(const std::string& placement) { return placement + " w - - 0 1"; }

// ---------------------------------------------------------------------------
// Whole scores of known positions.

struct KnownScore {
  const char* placement;
  std::int32_t evaluate;
  std::int32_t material;
};

// e4 pawn 25, the empty e2 in front of the king -20; Nf3 10; passed e5 in the
// end game 30 + 20 + 10 + 10 + 50; doubled passed a-pawns (0+20+10+0) +
// (10+20+10+20) - 20; rook d4 reaching d5-d8 and d1-d3; rooks on the first and
// last rank seeing each other; symmetric king-side pawn walls.
const KnownScore known_scores[] = {
    {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", 0, 0},
    {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR", 5, 0},
    {"rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R", 10, 0},
    {"4k3/8/8/4P3/8/8/8/4K3", 120, 100},
    {"4k3/8/8/8/8/P7/P7/4K3", 70, 200},
    {"4k3/8/8/8/3R4/8/8/4K3", 7, 600},
    {"r3k3/8/8/8/8/8/8/R3K3", 0, 0},
    {"6k1/5ppp/8/8/8/8/5PPP/6K1", 0, 0},
};

TEST_F(EvalTest, KnownPositionsScoreAsExpected) {
  for (const auto& c : known_scores) {
    const Board board = Board_from(Full(c.placement));
    EXPECT_EQ(Evaluate(board), c.evaluate) << c.placement;
    EXPECT_EQ(Material_balance(board), c.material) << c.placement;
  }
}

TEST_F(EvalTest, MaterialBalanceCountsEveryPieceAndOneKingPerSide) {
  const KnownScore cases[] = {
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN1", 0, -600},
      {"rnb1kbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", 0, 1200},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPP1PPPP/R1BQKBNR", 0, -500},
      {"4k3/8/8/8/3K4/8/8/4K3", 0, 0},      // two white kings count once
      {"4k3/8/8/8/8/8/8/8", 0, -90000},     // White has no king
      {"8/8/8/8/8/8/8/4K3", 0, 90000},      // Black has no king
  };
  for (const auto& c : cases) EXPECT_EQ(Material_balance(Board_from(Full(c.placement))), c.material) << c.placement;
}

// ---------------------------------------------------------------------------
// Colour symmetry: turning the board over and exchanging the colours negates
// both scores. Kings stay off the a- and h-files, where the shelter squares
// wrap by index and the halves differ on purpose.

TEST_F(EvalTest, MirroredPositionNegatesBothScores) {
  const char* fens[] = {
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
      "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4",
      "r2q1rk1/pp2bppp/2n1pn2/3p4/3P4/2NBPN2/PP3PPP/R2Q1RK1 w - - 0 10",
      "2kr3r/ppp2ppp/2n5/3q4/3P4/2P2N2/PP3PPP/R2QR1K1 w - - 0 14",
      "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
      "8/5k2/3p4/2pP4/2P5/4K3/8/8 w - - 0 50",
      "6k1/5p2/6p1/8/3R4/5KP1/r4P2/8 w - - 0 40",
      "4k3/1P6/8/8/8/8/6p1/4K3 w - - 0 1",
      "3qk3/8/8/8/8/8/8/3QK3 w - - 0 1",
      "rnbqKbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQkBNR w - - 0 1",  // kings on the far last ranks
      "r1b1k2r/pp3ppp/2p5/8/8/2P2P2/P1P3PP/R3KB1R w - - 0 1",
  };
  for (const char* fen : fens) {
    const Board board = Board_from(fen), mirror = Board_from(Mirror_fen(fen));
    EXPECT_EQ(Evaluate(mirror), -Evaluate(board)) << fen;
    EXPECT_EQ(Material_balance(mirror), -Material_balance(board)) << fen;
  }
}

// ---------------------------------------------------------------------------
// Pawn structure. Kings on a1 and h8 score 0 in the end game, and with pawns
// only both sides are in the end game: pawn_table_end by rank (0, 10, 20, ...),
// a passed pawn 40 off the edge plus passed_pawn_table (rank 3: 20, rank 4: 30).

struct PawnCase {
  const char* placement;
  std::int32_t pawns;  // Eval_pawns in the end game
};

TEST_F(EvalTest, DoubledPawnsCostOncePerFile) {
  const PawnCase cases[] = {
      {"7k/8/8/8/4P3/8/8/K7", 90},                // e4: 20 + 40 + 30
      {"7k/8/8/8/4P3/4P3/8/K7", 140},             // + e3 (10 + 40 + 20) - 20
      {"7k/8/8/8/4P3/4P3/4P3/K7", 180},           // + e2 (0 + 40 + 0), still -20 once
      {"7k/8/8/8/2P1P3/2P1P3/8/K7", 280},         // two doubled files: -20 each
      {"7k/4p3/4p3/4p3/8/8/8/K7", -180},          // Black's tripled pawns, mirrored
  };
  for (const auto& c : cases) {
    const Board board = Board_from(Full(c.placement));
    EXPECT_EQ(Eval_pawns(board, 0, 0), c.pawns) << c.placement;
    EXPECT_EQ(Evaluate(board), c.pawns) << c.placement;
  }
}

TEST_F(EvalTest, FreeFilesAndPassedPawns) {
  const PawnCase cases[] = {
      // Own file blocked by an enemy pawn ahead: no free-file bonus at all,
      // although both neighbour files are free. e4 20; e6 reads d3: 10.
      {"7k/8/4p3/8/4P3/8/8/K7", 10},
      // An enemy pawn behind does not block. e4 90; e3 reads d6: 40 + 40 + 70.
      {"7k/8/8/8/4P3/4p3/8/K7", -60},
      // An enemy pawn ahead on a neighbour file takes that file's 10 and the
      // passed bonus. e4: 20 + 20 + 10; d6 (reads e3): 10 + 20 + 10.
      {"7k/8/3p4/8/4P3/8/8/K7", 10},
      // An edge pawn starts one free file up: a4 free on both files is passed
      // (20 + 20 + 10 + 30); with b5 ahead it is not (20 + 20), and b5 itself
      // (reads g4: 20) has its own file free and c free, a blocked: 20 + 20 + 10.
      {"7k/8/8/8/P7/8/8/K7", 80},
      {"7k/8/8/1p6/P7/8/8/K7", -10},
  };
  for (const auto& c : cases) EXPECT_EQ(Eval_pawns(Board_from(Full(c.placement)), 0, 0), c.pawns) << c.placement;
}

TEST_F(EvalTest, MiddleGamePawnsUseTheMiddleTableAndNoPassedBonus) {
  // Blocked pair: e4 25 against e6, which reads d3: 21.
  EXPECT_EQ(Eval_pawns(Board_from(Full("7k/8/4p3/8/4P3/8/8/K7")), 4000, 4000), 4);
  // A lone passed e4 in the middle game: 25 + 40, no passed_pawn_table.
  EXPECT_EQ(Eval_pawns(Board_from(Full("7k/8/8/8/4P3/8/8/K7")), 4000, 4000), 65);
  // Each colour's phase is decided by the other's material: White's pawn
  // scores the end game when Black has little, Black's the middle game.
  EXPECT_EQ(Eval_pawns(Board_from(Full("7k/8/8/8/4P3/8/8/K7")), 4000, 0), 90);
  EXPECT_EQ(Eval_pawns(Board_from(Full("7k/8/8/8/4P3/8/8/K7")), 0, 4000), 65);
}

// ---------------------------------------------------------------------------
// Kings.

TEST_F(EvalTest, SideWithoutKingGetsNoKingTerm) {
  const KnownScore cases[] = {
      {"8/8/8/3k4/8/8/8/8", -15, -90000},  // black king d5, end game 15
      {"8/8/8/8/4K3/8/8/8", 15, 90000},
      {"8/8/8/8/8/8/8/8", 0, 0},
      // White has castled (g1 30 behind f2 g2 h2) and given up the f1 bishop
      // and g1 knight; Black has no king and its full middle-game army, so
      // nothing else scores: 30, and 90000 - 800 of material.
      {"rnbq1bnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQ1RK1", 30, 89200},
      // The same with the colours exchanged.
      {"rnbq1rk1/pppppppp/8/8/8/8/PPPPPPPP/RNBQ1BNR", -30, -89200},
  };
  for (const auto& c : cases) {
    const Board board = Board_from(Full(c.placement));
    EXPECT_EQ(Evaluate(board), c.evaluate) << c.placement;
    EXPECT_EQ(Material_balance(board), c.material) << c.placement;
  }
}

struct ShelterCase {
  const char* placement;
  std::int32_t kings;  // Eval_kings in the middle game
};

// Both sides keep a queen and two rooks (2400), so both kings are in the
// middle game. The other king always sits behind a full wall of three pawns.
TEST_F(EvalTest, ShelterSquaresOffTheBoardCountAsCovered) {
  const ShelterCase cases[] = {
      // White king e8: no shelter square on the board, table 0. Black g8 30.
      {"r3K1k1/5ppp/8/8/8/8/8/QRR2qr1", -30},
      // White king h7: g8 and h8 empty (-40), the square past h8 covered; table -5.
      {"1k6/ppp4K/8/8/8/8/8/QRR2qrr", -45 - 30},
      {"1k4NB/ppp4K/8/8/8/8/8/QRR2qrr", -5 - 30},
      // Black king e1: nothing below it on the board, table 0. White g1 30.
      {"QRR2qrr/8/8/8/8/8/5PPP/4k1K1", 30},
      // Black king a2: a1 and b1 empty (+40 for White), the square before a1 covered.
      {"QRR2qrr/8/8/8/8/8/k4PPP/6K1", 30 + 45},
      {"QRR2qrr/8/8/8/8/8/k4PPP/nb4K1", 30 + 5},
  };
  for (const auto& c : cases) {
    const Board board = Board_from(Full(c.placement));
    ASSERT_GT(Phase_material<White>(board), endgame_material) << c.placement;
    ASSERT_GT(Phase_material<Black>(board), endgame_material) << c.placement;
    EXPECT_EQ(Eval_kings(board, Phase_material<White>(board), Phase_material<Black>(board)), c.kings) << c.placement;
  }
}

TEST_F(EvalTest, ShelterSquaresWrappedToTheFarFileAreUsed) {
  const ShelterCase cases[] = {
      // White king a4 looks at h4, a5, b5 (table -10).
      {"1k6/ppp5/8/PP6/K7/8/8/QRR2qrr", -10 - 20 - 30},
      {"1k6/ppp5/8/PP6/K6P/8/8/QRR2qrr", -10 - 30},
      // Black king h5 looks at g4, h4 and a5: a white piece on a5 leaves it uncovered.
      {"QRR2qrr/8/8/P6k/6pp/8/5PPP/6K1", 30 + 10 + 20},
      {"QRR2qrr/8/8/p6k/6pp/8/5PPP/6K1", 30 + 10},
  };
  for (const auto& c : cases) {
    const Board board = Board_from(Full(c.placement));
    EXPECT_EQ(Eval_kings(board, 4000, 4000), c.kings) << c.placement;
  }
}

// ---------------------------------------------------------------------------
// Rook file mobility: up and down the file to the first piece, which counts
// only when it is an enemy's.

TEST_F(EvalTest, RookFileMobilityStopsAtTheFirstPiece) {
  struct Case {
    const char* placement;
    const char* rook;
    int expected;
  };
  const Case cases[] = {
      {"4k3/8/8/8/3R4/8/8/4K3", "d4", 7},
      {"4k3/8/3p4/8/3R4/3P4/8/4K3", "d4", 2},  // d5 and the enemy d6; own d3 blocks
      {"3rk3/8/8/8/8/8/8/3RK3", "d1", 7},      // the enemy rook at the far end counts
      {"3Rk3/8/8/8/8/8/8/3RK3", "d1", 6},      // an own rook does not
      {"4k3/8/8/8/8/8/8/R3K3", "a1", 7},       // nothing along the rank is counted
  };
  for (const auto& c : cases) {
    const Board board = Board_from(Full(c.placement));
    const int s = Square(c.rook);
    const Bitboard own = board.white_name_from_coord[s] ? board.all_white_piece : board.all_black_piece;
    EXPECT_EQ(Rook_file_mobility(board, s, own), c.expected) << c.placement << " " << c.rook;
  }
}

// ---------------------------------------------------------------------------
// Phase material: the counted sets agree with a walk over the name arrays.

std::int32_t Walked_phase(const std::int32_t (&names)[64]) {
  std::int32_t sum = 0;
  for (int s = 0; s < 64; ++s) sum += phase_value[names[s]];
  return sum;
}

TEST_F(EvalTest, PhaseCountEqualsSquareWalk) {
  const char* fens[] = {
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
      "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
      "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
      "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
      "QQQQQQQQ/QQQQQQQQ/8/8/8/8/qqqqqqqq/bbbbnnkK w - - 0 1",
      "8/8/8/8/8/8/8/8 w - - 0 1",
  };
  for (const char* fen : fens) {
    const Board board = Board_from(fen);
    EXPECT_EQ(Phase_material<White>(board), Walked_phase(board.white_name_from_coord)) << fen;
    EXPECT_EQ(Phase_material<Black>(board), Walked_phase(board.black_name_from_coord)) << fen;
  }
  const Board start = Board_from(fens[0]);
  EXPECT_EQ(Phase_material<White>(start), 4000);
  EXPECT_EQ(Phase_material<Black>(start), 4000);
}

// ---------------------------------------------------------------------------
// Before the first Init_eval_tables every value is 0. The tables are process-
// wide, so the check runs in a freshly started copy of this program (the
// "threadsafe" death-test style re-executes the binary for the child).

[[noreturn]] void Check_scores_before_init() {
  const char* placements[] = {
      "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR",
      "4k3/8/8/4P3/8/8/8/4K3",
      "4k3/8/8/8/3R4/8/8/4K3",
      "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R",
      "1k6/ppp4K/8/8/8/8/8/QRR2qrr",
      "8/8/8/3k4/8/8/8/8",
  };
  bool all_zero = true;
  for (const char* p : placements) {
    const Board board = Board_from(Full(p));
    all_zero = all_zero && Evaluate(board) == 0 && Material_balance(board) == 0;
  }
  // The same positions do score once the tables are set.
  Init_eval_tables();
  const Board e4 = Board_from(Full(placements[0]));
  const Board passed = Board_from(Full(placements[1]));
  const bool scored = Evaluate(e4) == 5 && Evaluate(passed) == 120 && Material_balance(passed) == 100;
  std::exit(all_zero && scored ? 0 : 1);
}

TEST(EvalBeforeInit, EveryScoreIsZeroUntilTheTablesAreSet) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(Check_scores_before_init(), testing::ExitedWithCode(0), "");
}

}  // namespace
