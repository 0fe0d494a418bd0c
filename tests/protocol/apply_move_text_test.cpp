// Move tokens: found among the generated moves and played, or refused with a warning.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "board/make_move.h"
#include "board/movegen.h"
#include "eval/eval_tables.h"
#include "protocol/board_text.h"
#include "protocol/position.h"

namespace {

template <class Case>
std::string Case_name(const testing::TestParamInfo<Case>& param_info) {
  return param_info.param.name;
}

using namespace protocol_test;

// Every field but the key, which the move maker leaves alone.
void Expect_same_board(const Board& a, const Board& b) {
  EXPECT_EQ(Placement(a), Placement(b));
  EXPECT_EQ(a.all_piece, b.all_piece);
  EXPECT_EQ(a.all_white_piece, b.all_white_piece);
  EXPECT_EQ(a.all_black_piece, b.all_black_piece);
  for (int code = 0; code <= 6; ++code) {
    EXPECT_EQ(a.white_piece[code], b.white_piece[code]) << "code " << code;
    EXPECT_EQ(a.black_piece[code], b.black_piece[code]) << "code " << code;
  }
  EXPECT_EQ(a.colour_move, b.colour_move);
  EXPECT_EQ(a.taking_passage_yes, b.taking_passage_yes);
  if (a.taking_passage_yes) {
    EXPECT_EQ(a.taking_passage_x, b.taking_passage_x);
    EXPECT_EQ(a.taking_passage_y, b.taking_passage_y);
  }
  EXPECT_EQ(a.castling_K, b.castling_K);
  EXPECT_EQ(a.castling_Q, b.castling_Q);
  EXPECT_EQ(a.castling_k, b.castling_k);
  EXPECT_EQ(a.castling_q, b.castling_q);
  EXPECT_EQ(a.eval, b.eval);
}

// Coordinate text of a generated move, with the letter of a promotion.
std::string Text_of(Move m) {
  std::string text;
  for (int square : {Move_from(m), Move_to(m)}) {
    text += static_cast<char>('a' + square % 8);
    text += static_cast<char>('1' + square / 8);
  }
  const int type = Move_type(m);
  const int promoted = type > MOVE_CAPTURE_PROMOTION ? type - MOVE_CAPTURE_PROMOTION
                       : type > MOVE_PROMOTION      ? type - MOVE_PROMOTION
                                                    : 0;
  if (promoted) text += ".pnbrq"[promoted];
  return text;
}

std::string Apply(Board& board, const std::string& token) {
  testing::internal::CaptureStdout();
  Apply_move_text(board, token.c_str());
  return testing::internal::GetCapturedStdout();
}

class MoveTextTest : public testing::Test {
 protected:
  void SetUp() override { Init_eval_tables(); }
};

// Each generated move, given as text, is the very move the move maker plays.
TEST_F(MoveTextTest, TextOfEveryGeneratedMovePlaysThatMove) {
  const char* positions[] = {
      "position startpos",
      "position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
      "position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/Pp2P3/2N2Q1p/1PPBBPPP/R3K2R b KQkq a3 0 1",
      "position fen r3k2r/1P4P1/8/2pP4/8/8/1p4p1/R3K2R w KQkq c6 0 1",
      "position fen r3k2r/1P4P1/8/8/3pP3/8/1p4p1/R3K2R b KQkq e3 0 1",
      "position fen n1n1k3/1P6/8/8/8/8/6p1/4K2R b K - 0 1",
  };
  for (const char* line : positions) {
    Board start{};
    ASSERT_EQ(Run_position(start, line), "");
    start.eval = 0;
    MoveList list;
    Generate_all_moves(start, list);
    ASSERT_GT(list.move_count, 0) << line;
    for (int i = 0; i < list.move_count; ++i) {
      const std::string token = Text_of(list.move[i]);
      SCOPED_TRACE(std::string(line) + " : " + token);
      Board expected = start, played = start;
      UndoInfo undo;
      if (start.colour_move == White)
        Make_move_white(expected, undo, list, i);
      else
        Make_move_black(expected, undo, list, i);
      EXPECT_EQ(Apply(played, token), "");
      Expect_same_board(played, expected);
    }
  }
}

struct TokenCase {
  const char* name;
  const char* fen;
  const char* token;
  const char* placement_after;  // nullptr: the token is refused and the board stays
};

void PrintTo(const TokenCase& c, std::ostream* os) { *os << c.fen << " / " << c.token; }

class TokenTest : public MoveTextTest, public testing::WithParamInterface<TokenCase> {};

TEST_P(TokenTest, PlaysOrRefuses) {
  const TokenCase& c = GetParam();
  Board board{};
  ASSERT_EQ(Run_position(board, std::string("position fen ") + c.fen), "");
  const Board before = board;
  const std::string out = Apply(board, c.token);
  Expect_consistent(board);
  if (!c.placement_after) {
    EXPECT_EQ(out, Moves_errors(1));
    Expect_same_board(board, before);
    return;
  }
  EXPECT_EQ(out, "");
  EXPECT_EQ(Placement(board), Expand(c.placement_after));
  EXPECT_EQ(board.colour_move, 1 - before.colour_move);
}

constexpr const char* kPromote = "3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1";
constexpr const char* kCastle = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";

INSTANTIATE_TEST_SUITE_P(
    Tokens, TokenTest,
    testing::Values(
        TokenCase{"DoubleStep", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "e2e4",
                  "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR"},
        TokenCase{"NoSuchMove", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "e2e5", nullptr},
        TokenCase{"OtherSidesMove", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "e7e5", nullptr},
        TokenCase{"NotSquares", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "zzzz", nullptr},
        TokenCase{"UpperCaseSquares", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "E2E4", nullptr},
        // Promotion letters pick queen, rook, bishop or knight; none is a queen.
        TokenCase{"PromoteQueen", kPromote, "e7e8q", "3rQ2k/8/8/8/8/8/8/4K3"},
        TokenCase{"PromoteNoLetter", kPromote, "e7e8", "3rQ2k/8/8/8/8/8/8/4K3"},
        TokenCase{"PromoteRook", kPromote, "e7e8r", "3rR2k/8/8/8/8/8/8/4K3"},
        TokenCase{"PromoteBishop", kPromote, "e7e8b", "3rB2k/8/8/8/8/8/8/4K3"},
        TokenCase{"PromoteKnight", kPromote, "e7e8n", "3rN2k/8/8/8/8/8/8/4K3"},
        TokenCase{"CapturePromoteQueen", kPromote, "e7d8", "3Q3k/8/8/8/8/8/8/4K3"},
        TokenCase{"CapturePromoteRook", kPromote, "e7d8r", "3R3k/8/8/8/8/8/8/4K3"},
        TokenCase{"CapturePromoteBishop", kPromote, "e7d8b", "3B3k/8/8/8/8/8/8/4K3"},
        TokenCase{"CapturePromoteKnight", kPromote, "e7d8n", "3N3k/8/8/8/8/8/8/4K3"},
        TokenCase{"BlackPromoteKnight", "4k3/8/8/8/8/8/3p4/7K b - - 0 1", "d2d1n", "4k3/8/8/8/8/8/8/3n3K"},
        TokenCase{"BlackPromoteRook", "4k3/8/8/8/8/8/3p4/7K b - - 0 1", "d2d1r", "4k3/8/8/8/8/8/8/3r3K"},
        TokenCase{"PromotionLetterX", kPromote, "e7e8x", nullptr},
        TokenCase{"PromotionLetterUpperQ", kPromote, "e7e8Q", nullptr},
        TokenCase{"PromotionLetterUpperN", kPromote, "e7d8N", nullptr},
        TokenCase{"PromotionLetterKing", kPromote, "e7e8k", nullptr},
        TokenCase{"PromotionLetterPawn", kPromote, "e7e8p", nullptr},
        TokenCase{"PromotionOntoNothing", kPromote, "e7f8q", nullptr},
        // A promotion letter on a move that is no promotion.
        TokenCase{"QueenLetterOnPawnStep", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "e2e4q",
                  "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR"},
        TokenCase{"RookLetterOnPawnStep", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "e2e4r",
                  nullptr},
        TokenCase{"BishopLetterOnPawnStep", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "e2e4b",
                  nullptr},
        TokenCase{"KnightLetterOnKnightMove", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "g1f3n",
                  nullptr},
        // h2h4 is the last move in the list: the letter would point past its end.
        TokenCase{"LetterOnLastMoveOfList", "4k3/8/8/8/8/8/7P/4K3 w - - 0 1", "h2h4n", nullptr},
        TokenCase{"LetterOnLastMoveOfListR", "4k3/8/8/8/8/8/7P/4K3 w - - 0 1", "h2h4r", nullptr},
        // The king's two-square steps are castling when castling was generated.
        TokenCase{"WhiteCastlesKingSide", kCastle, "e1g1", "r3k2r/8/8/8/8/8/8/R4RK1"},
        TokenCase{"WhiteCastlesQueenSide", kCastle, "e1c1", "r3k2r/8/8/8/8/8/8/2KR3R"},
        TokenCase{"BlackCastlesKingSide", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8g8", "r4rk1/8/8/8/8/8/8/R3K2R"},
        TokenCase{"BlackCastlesQueenSide", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", "2kr3r/8/8/8/8/8/8/R3K2R"},
        TokenCase{"CastlingWithoutRight", "r3k2r/8/8/8/8/8/8/R3K2R w Qkq - 0 1", "e1g1", nullptr},
        TokenCase{"CastlingThroughPiece", "r3k2r/8/8/8/8/8/8/R3KB1R w KQkq - 0 1", "e1g1", nullptr},
        TokenCase{"EnPassant", "4k3/8/8/3Pp3/8/8/8/4K3 w - e6 0 1", "d5e6", "4k3/8/4P3/8/8/8/8/4K3"},
        TokenCase{"BlackEnPassant", "4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1", "d4e3", "4k3/8/8/8/8/4p3/8/4K3"}),
    Case_name<TokenCase>);

// Tokens shorter than four characters, each in a buffer of exactly its size.
TEST_F(MoveTextTest, ShortTokenIsRefusedWithoutReadingPastIt) {
  for (const std::string token : {"", "e", "e2", "e2e"}) {
    SCOPED_TRACE(token);
    Board board{};
    Run_position(board, "position startpos");
    const Board before = board;
    std::unique_ptr<char[]> exact(new char[token.size() + 1]);
    std::memcpy(exact.get(), token.c_str(), token.size() + 1);
    testing::internal::CaptureStdout();
    Apply_move_text(board, exact.get());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), Moves_errors(1));
    Expect_same_board(board, before);
  }
}

TEST_F(MoveTextTest, PromotionChangesTheMaterialByThePiecesValues) {
  struct {
    const char* token;
    int gained;
  } cases[] = {{"e7e8", QUEEN}, {"e7e8r", ROOK}, {"e7e8b", BISHOP}, {"e7e8n", KNIGHT}};
  ASSERT_GT(piece_value[QUEEN], piece_value[KNIGHT]);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.token);
    Board board{};
    Run_position(board, std::string("position fen ") + kPromote);
    board.eval = 0;
    EXPECT_EQ(Apply(board, c.token), "");
    EXPECT_EQ(board.eval, piece_value[c.gained] - piece_value[PAWN]);
  }
}

TEST_F(MoveTextTest, CastlingTakesBothRightsOfTheSide) {
  Board board{};
  Run_position(board, std::string("position fen ") + kCastle);
  EXPECT_EQ(Apply(board, "e1g1"), "");
  EXPECT_EQ(board.castling_K + board.castling_Q, 0);
  EXPECT_EQ(board.castling_k + board.castling_q, 2);
  EXPECT_EQ(Apply(board, "e8c8"), "");
  EXPECT_EQ(board.castling_k + board.castling_q, 0);
  EXPECT_EQ(Placement(board), Expand("2kr3r/8/8/8/8/8/8/R4RK1"));
}

}  // namespace
