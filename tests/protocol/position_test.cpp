// The "position" command: the FEN reader's fields, the move list and the
// record of the game's keys.
#include <gtest/gtest.h>

#include <string>

#include "hash/keys.h"
#include "protocol/board_text.h"
#include "protocol/position.h"

namespace {

template <class Case>
std::string Case_name(const testing::TestParamInfo<Case>& param_info) {
  return param_info.param.name;
}

using namespace protocol_test;

// Key of the position a "position" line sets up, from a board of its own.
std::uint64_t Key_after(const std::string& line) {
  Board scratch{};
  Run_position(scratch, line);
  return scratch.hash_key;
}

std::string Rights(const Board& board) {
  std::string text;
  if (board.castling_K) text += 'K';
  if (board.castling_Q) text += 'Q';
  if (board.castling_k) text += 'k';
  if (board.castling_q) text += 'q';
  return text;
}

// Lines that all set up the start position with White to move and no moves.
class StartPositionTest : public testing::TestWithParam<const char*> {};

TEST_P(StartPositionTest, SetsStartPositionAndFreshKeyRecord) {
  Board board{};
  // Leave something behind that the command must replace.
  ASSERT_EQ(Run_position(board, "position fen 4k3/8/8/8/4Pp2/8/8/4K3 b - e3 0 1 moves f4e3 e1e2"), "");
  ASSERT_EQ(Placement(board), Expand("4k3/8/8/8/8/4p3/4K3/8"));

  EXPECT_EQ(Run_position(board, GetParam()), "");
  Expect_consistent(board);
  EXPECT_EQ(Placement(board), kStartPlacement);
  EXPECT_EQ(board.colour_move, 1);
  EXPECT_EQ(Rights(board), "KQkq");
  EXPECT_EQ(board.taking_passage_yes, 0);
  EXPECT_EQ(board.taking_passage_x, 0);
  EXPECT_EQ(board.taking_passage_y, 0);
  EXPECT_EQ(game_key_count, 0);
  EXPECT_EQ(game_keys[0], board.hash_key);
  for (int k = 1; k < GAME_KEYS; ++k) ASSERT_EQ(game_keys[k], static_cast<std::uint64_t>(k)) << "entry " << k;
}

INSTANTIATE_TEST_SUITE_P(Lines, StartPositionTest,
                         testing::Values("position startpos", "position ", "position    startpos",
                                         "position startpos moves ", "position startpos moves    ",
                                         "position anything at all",
                                         // no blank after "fen": there is no FEN in this line
                                         "position fen"));

struct FenCase {
  const char* name;
  int previous_side;  // side to move before the command
  const char* line;
  const char* placement;
  int colour;
  const char* rights;
  int ep_yes, ep_x, ep_y;
};

void PrintTo(const FenCase& c, std::ostream* os) { *os << c.line; }

class FenFieldsTest : public testing::TestWithParam<FenCase> {};

TEST_P(FenFieldsTest, ReadsEveryField) {
  const FenCase& c = GetParam();
  Board board{};
  ASSERT_EQ(Run_position(board, c.previous_side ? "position fen 8/8/8/8/8/8/8/8 w - - 0 1"
                                                : "position fen 8/8/8/8/8/8/8/8 b - - 0 1"),
            "");
  ASSERT_EQ(board.colour_move, c.previous_side);

  EXPECT_EQ(Run_position(board, c.line), "");
  Expect_consistent(board);
  EXPECT_EQ(Placement(board), Expand(c.placement));
  EXPECT_EQ(board.colour_move, c.colour);
  EXPECT_EQ(Rights(board), c.rights);
  EXPECT_EQ(board.taking_passage_yes, c.ep_yes);
  EXPECT_EQ(board.taking_passage_x, c.ep_x);
  EXPECT_EQ(board.taking_passage_y, c.ep_y);
  EXPECT_EQ(game_key_count, 0);
}

constexpr const char* kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";
constexpr const char* kAfterE4 = "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR";

INSTANTIATE_TEST_SUITE_P(
    Fields, FenFieldsTest,
    testing::Values(
        FenCase{"Start", 0, "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", kStart, 1,
                "KQkq", 0, 0, 0},
        FenCase{"BlackToMoveE3", 1, "position fen rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
                kAfterE4, 0, "KQkq", 1, 4, 2},
        FenCase{"WhiteToMoveD6", 0, "position fen rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 2",
                "rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR", 1, "KQkq", 1, 3, 5},
        FenCase{"ManyBlanksBetweenFields", 1,
                "position    fen   rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR    b KQkq    e3 0 1", kAfterE4, 0,
                "KQkq", 1, 4, 2},
        // En-passant squares that no pawn can just have passed over are not kept.
        FenCase{"E3WithoutPawnOnE4", 1, "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq e3 0 1",
                kStart, 0, "KQkq", 0, 0, 0},
        FenCase{"E3WithWhiteToMove", 0, "position fen rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e3 0 1",
                kAfterE4, 1, "KQkq", 0, 0, 0},
        FenCase{"E6Occupied", 0, "position fen 4k3/8/4n3/4p3/3P4/8/8/4K3 w - e6 0 1", "4k3/8/4n3/4p3/3P4/8/8/4K3", 1,
                "", 0, 0, 0},
        FenCase{"E6OwnPawnBeyond", 0, "position fen 4k3/8/8/3PP3/8/8/8/4K3 w - e6 0 1", "4k3/8/8/3PP3/8/8/8/4K3", 1,
                "", 0, 0, 0},
        FenCase{"EnPassantFileNotALetter", 0, "position fen 4k3/8/8/3Pp3/8/8/8/4K3 w - z6 0 1",
                "4k3/8/8/3Pp3/8/8/8/4K3", 1, "", 0, 0, 0},
        FenCase{"EnPassantRankNotADigit", 0, "position fen 4k3/8/8/3Pp3/8/8/8/4K3 w - e9 0 1",
                "4k3/8/8/3Pp3/8/8/8/4K3", 1, "", 0, 0, 0},
        FenCase{"EnPassantRankMissing", 0, "position fen 4k3/8/8/3Pp3/8/8/8/4K3 w - e", "4k3/8/8/3Pp3/8/8/8/4K3", 1,
                "", 0, 0, 0},
        FenCase{"EnPassantDash", 0, "position fen 4k3/8/8/3Pp3/8/8/8/4K3 w - - 0 1", "4k3/8/8/3Pp3/8/8/8/4K3", 1, "",
                0, 0, 0},
        // Castling letters; a right stands only with its king and rook at home.
        FenCase{"CastlingDash", 1, "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1", kStart, 1, "",
                0, 0, 0},
        FenCase{"CastlingKq", 1, "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w Kq - 0 1", kStart, 1,
                "Kq", 0, 0, 0},
        FenCase{"CastlingLettersAnyOrder", 1, "position fen r3k2r/8/8/8/8/8/8/R3K2R w qxkQ-K - 0 1",
                "r3k2r/8/8/8/8/8/8/R3K2R", 1, "KQkq", 0, 0, 0},
        FenCase{"CastlingWithoutRooks", 1, "position fen 4k3/8/8/8/8/8/8/4K3 w KQkq - 0 1", "4k3/8/8/8/8/8/8/4K3", 1,
                "", 0, 0, 0},
        FenCase{"CastlingWhiteKingOffHome", 1, "position fen r3k2r/8/8/8/8/8/8/R4K1R w KQkq - 0 1",
                "r3k2r/8/8/8/8/8/8/R4K1R", 1, "kq", 0, 0, 0},
        FenCase{"CastlingBlackKingOffHome", 1, "position fen r2k3r/8/8/8/8/8/8/R3K2R w KQkq - 0 1",
                "r2k3r/8/8/8/8/8/8/R3K2R", 1, "KQ", 0, 0, 0},
        FenCase{"CastlingOneRookEach", 1, "position fen r3k3/8/8/8/8/8/8/4K2R w KQkq - 0 1",
                "r3k3/8/8/8/8/8/8/4K2R", 1, "Kq", 0, 0, 0},
        FenCase{"CastlingEnemyRooksInCorners", 1, "position fen R3k2r/8/8/8/8/8/8/r3K2R w KQkq - 0 1",
                "R3k2r/8/8/8/8/8/8/r3K2R", 1, "Kk", 0, 0, 0},
        FenCase{"CastlingWrongPieceInCorner", 1, "position fen n3k2r/8/8/8/8/8/8/R3K2B w KQkq - 0 1",
                "n3k2r/8/8/8/8/8/8/R3K2B", 1, "Qk", 0, 0, 0},
        FenCase{"CastlingLowestKingDecides", 1, "position fen 4k3/8/8/8/8/8/8/K3K2R w K - 0 1",
                "4k3/8/8/8/8/8/8/K3K2R", 1, "", 0, 0, 0},
        // A side letter other than w or b keeps the previous side to move.
        FenCase{"SideLetterKeepsBlack", 0, "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1",
                kStart, 0, "KQkq", 0, 0, 0},
        FenCase{"SideLetterKeepsWhite", 1, "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1",
                kStart, 1, "KQkq", 0, 0, 0},
        FenCase{"UpperCaseSideKeepsBlack", 0, "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR W KQkq - 0 1",
                kStart, 0, "KQkq", 0, 0, 0},
        FenCase{"UpperCaseBKeepsWhite", 1, "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR B KQkq - 0 1",
                kStart, 1, "KQkq", 0, 0, 0},
        // Other characters in the placement each leave one square empty.
        FenCase{"OtherCharactersOneSquare", 1, "position fen K9Q0x1r/8/8/8/8/8/8/8 w - - 0 1", "K1Q3r1/8/8/8/8/8/8/8", 1,
                "", 0, 0, 0},
        // The FEN is found wherever it stands in the line.
        FenCase{"FenAnywhereInLine", 1, "position startpos fen 4k3/8/8/8/8/8/8/4K3 b - - 0 1",
                "4k3/8/8/8/8/8/8/4K3", 0, "", 0, 0, 0}),
    Case_name<FenCase>);

TEST(ReadFen, LeavesKeyAndEvalAlone) {
  Board board{};
  board.hash_key = 0x1234567890abcdefULL;
  board.eval = -777;
  Read_fen(board, "fen 4k3/8/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_EQ(board.hash_key, 0x1234567890abcdefULL);
  EXPECT_EQ(board.eval, -777);
  EXPECT_EQ(Placement(board), Expand("4k3/8/8/8/8/8/8/4K3"));
}

TEST(ReadFen, ClearsEverythingOfThePreviousPlacement) {
  Board board{};
  Read_fen(board, "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
  Read_fen(board, "fen 8/8/8/8/8/8/8/8 b - - 0 1");
  Expect_consistent(board);
  EXPECT_EQ(board.all_piece, 0u);
  for (int code = 0; code <= 6; ++code) {
    EXPECT_EQ(board.white_piece[code], 0u);
    EXPECT_EQ(board.black_piece[code], 0u);
  }
  EXPECT_EQ(Placement(board), std::string(64, '.'));
}

TEST(PositionMoves, RecordsTheKeyOfEveryPosition) {
  const std::uint64_t key0 = Key_after("position startpos");
  const std::uint64_t key1 = Key_after("position startpos moves e2e4");
  const std::uint64_t key2 = Key_after("position startpos moves e2e4 e7e5");
  Board board{};
  EXPECT_EQ(Run_position(board, "position startpos moves e2e4 e7e5"), "");
  EXPECT_EQ(game_key_count, 2);
  EXPECT_EQ(game_keys[0], key0);
  EXPECT_EQ(game_keys[1], key1);
  EXPECT_EQ(game_keys[2], key2);
  EXPECT_EQ(game_keys[2], board.hash_key);
  EXPECT_EQ(game_keys[3], 3u);
  EXPECT_EQ(Placement(board), Expand("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR"));
  EXPECT_EQ(board.colour_move, 1);
  // e7e5 was a double step too: White may now take on e6 (no pawn can, but the square is set).
  EXPECT_EQ(board.taking_passage_yes, 1);
  EXPECT_EQ(board.taking_passage_x, 4);
  EXPECT_EQ(board.taking_passage_y, 5);
}

TEST(PositionMoves, SeveralBlanksBetweenTokens) {
  Board board{};
  EXPECT_EQ(Run_position(board, "position startpos moves e2e4    e7e5  g1f3     b8c6   "), "");
  EXPECT_EQ(game_key_count, 4);
  EXPECT_EQ(Placement(board), Expand("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R"));
  EXPECT_EQ(board.colour_move, 1);
}

TEST(PositionMoves, RejectedTokenIsCountedAndRecordsTheSameKeyAgain) {
  const std::uint64_t key1 = Key_after("position startpos moves e2e4");
  Board board{};
  // The second e2e4 is Black's move and matches nothing.
  EXPECT_EQ(Run_position(board, "position startpos moves e2e4 e2e4 e7e5"), Moves_errors(1));
  EXPECT_EQ(game_key_count, 3);
  EXPECT_EQ(game_keys[1], key1);
  EXPECT_EQ(game_keys[2], key1);
  EXPECT_EQ(game_keys[4], 4u);
  EXPECT_EQ(Placement(board), Expand("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR"));
  EXPECT_EQ(board.colour_move, 1);
}

TEST(PositionMoves, RefusedMoveLeavesTheSameSideToMove) {
  Board board{};
  // e2e5 is no move, so e7e5 is tried with White still to move and is refused too.
  EXPECT_EQ(Run_position(board, "position startpos moves e2e5 e7e5"), Moves_errors(2));
  EXPECT_EQ(game_key_count, 2);
  EXPECT_EQ(Placement(board), kStartPlacement);
  EXPECT_EQ(board.colour_move, 1);
  EXPECT_EQ(Rights(board), "KQkq");
}

TEST(PositionMoves, EveryCommandWritesTheRecordAfresh) {
  Board board{};
  Run_position(board, "position startpos moves g1f3 g8f6 f3g1 f6g8 b1c3");
  ASSERT_EQ(game_key_count, 5);
  ASSERT_EQ(game_keys[5], board.hash_key);
  Run_position(board, "position startpos moves e2e4");
  EXPECT_EQ(game_key_count, 1);
  for (int k = 2; k <= 6; ++k) EXPECT_EQ(game_keys[k], static_cast<std::uint64_t>(k)) << "entry " << k;
}

TEST(PositionMoves, ShortTokenAtTheEndIsRefusedOnce) {
  for (const char* end : {"e7", "e", "e7e", "e7 ", "e7e   "}) {
    SCOPED_TRACE(end);
    Board board{};
    EXPECT_EQ(Run_position(board, std::string("position startpos moves e2e4 ") + end), Moves_errors(1));
    EXPECT_EQ(game_key_count, 2);
    EXPECT_EQ(Placement(board), Expand(kAfterE4));
    EXPECT_EQ(board.colour_move, 0);
  }
}

TEST(PositionMoves, EnPassantSetByADoubleStepIsPlayable) {
  Board board{};
  EXPECT_EQ(Run_position(board, "position startpos moves e2e4 d7d5 e4e5 f7f5 e5f6"), "");
  Expect_consistent(board);
  EXPECT_EQ(Placement(board), Expand("rnbqkbnr/ppp1p1pp/5P2/3p4/8/8/PPPP1PPP/RNBQKBNR"));
  EXPECT_EQ(board.colour_move, 0);
  EXPECT_EQ(board.taking_passage_yes, 0);
}

TEST(PositionMoves, EnPassantFromTheFenIsPlayable) {
  Board board{};
  EXPECT_EQ(Run_position(board, "position fen 4k3/8/8/3Pp3/8/8/8/4K3 w - e6 0 1 moves d5e6"), "");
  EXPECT_EQ(Placement(board), Expand("4k3/8/4P3/8/8/8/8/4K3"));
  // Without the square the same token is no move.
  EXPECT_EQ(Run_position(board, "position fen 4k3/8/8/3Pp3/8/8/8/4K3 w - - 0 1 moves d5e6"), Moves_errors(1));
  EXPECT_EQ(Placement(board), Expand("4k3/8/8/3Pp3/8/8/8/4K3"));
}

}  // namespace
