#include "board/make_move.h"
#include "board/make_move_inline.h"

#include <gtest/gtest.h>

#include <cstring>

#include "board/board_check.h"
#include "board/movegen.h"
#include "board_fixtures.h"
#include "board_invariants.h"
#include "eval/eval_tables.h"

namespace {

class MakeMove : public ::testing::Test {
 protected:
  void SetUp() override { Init_eval_tables(); }

  // Plays the first listed move with this text; fails the test when there is none.
  static Move Play(Board& board, const std::string& text, UndoInfo& undo) {
    MoveList list;
    Generate_all_moves(board, list);
    for (int i = 0; i < list.move_count; ++i) {
      if (Text_of(list.move[i]) != text) continue;
      if (board.colour_move == White)
        Make_move_white(board, undo, list, i);
      else
        Make_move_black(board, undo, list, i);
      return list.move[i];
    }
    ADD_FAILURE() << "no move " << text;
    return 0;
  }

  static void Take_back(Board& board, Move m, const UndoInfo& undo) {
    MoveList list;
    list.move[0] = m;
    list.capture_count = list.move_count = 1;
    if (board.colour_move == White)
      Unmake_move_black(board, undo, list, 0);
    else
      Unmake_move_white(board, undo, list, 0);
  }
};

// Makes every move of every node down to `depth` and checks that each make keeps
// the board consistent with its material count and each unmake restores it.
template <Colour C>
void Walk(Board& board, int depth, int& nodes) {
  constexpr Colour them = C == White ? Black : White;
  MoveList list;
  Generate_captures<C>(board, list);
  Generate_moves<C>(board, list);
  for (int i = 0; i < list.move_count; ++i) {
    Board before;
    Copy_board(before, board);
    UndoInfo undo;
    Make_move<C>(board, undo, list.move[i]);
    ++nodes;
    const std::string problem = Board_inconsistency(board);
    if (!problem.empty()) {
      ADD_FAILURE() << problem << " after " << Text_of(list.move[i]);
      return;
    }
    ASSERT_EQ(board.eval, Material_from_scratch(board)) << Text_of(list.move[i]);
    ASSERT_EQ(board.hash_key, before.hash_key);
    if (depth > 1 && !King_attacked<C>(board)) Walk<them>(board, depth - 1, nodes);
    Unmake_move<C>(board, undo, list.move[i]);
    Check_board(before, board);  // prints a line for every field that differs
  }
}

}  // namespace

TEST_F(MakeMove, WalkKeepsBoardConsistentAndRestoresIt) {
  const char* fens[] = {
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",
      "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
      "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -",
      "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq -",
      "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ -",
      "r3k2r/1P4P1/8/2pP4/8/8/1p4p1/R3K2R w KQkq c6",
  };
  for (const char* fen : fens) {
    Board board = Board_from(fen);
    board.eval = Material_from_scratch(board);
    board.hash_key = 0x123456789ABCDEF0;  // make and unmake never touch the key
    Board start;
    Copy_board(start, board);
    int nodes = 0;
    testing::internal::CaptureStdout();
    if (board.colour_move == White)
      Walk<White>(board, 3, nodes);
    else
      Walk<Black>(board, 3, nodes);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << fen;
    EXPECT_EQ(std::memcmp(&board, &start, sizeof board), 0) << fen;
    EXPECT_GT(nodes, 1000) << fen;
  }
}

TEST_F(MakeMove, DoubleStepSetsEnPassantState) {
  Board board = Board_from("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -");
  UndoInfo first, second;
  Play(board, "e2e4", first);
  EXPECT_EQ(board.taking_passage_yes, 1);
  EXPECT_EQ(board.taking_passage_x, 4);
  EXPECT_EQ(board.taking_passage_y, 2);
  EXPECT_EQ(board.colour_move, Black);
  EXPECT_EQ(board.eval, 0);
  Play(board, "e7e5", second);
  EXPECT_EQ(board.taking_passage_x, 4);
  EXPECT_EQ(board.taking_passage_y, 5);
  EXPECT_EQ(board.all_white_piece, 0x000000001000EFFFu);
}

TEST_F(MakeMove, CastlingRightsFollowKingAndRooks) {
  struct Case {
    const char* fen;
    const char* move;
    const char* rights;  // remaining rights as KQkq letters
  };
  const Case cases[] = {
      {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq -", "a1b1", "Kkq"},
      {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq -", "h1g1", "Qkq"},
      {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq -", "e1f1", "kq"},
      {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq -", "e1g1", "kq"},
      {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq -", "h1h8", "Qq"},
      {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq -", "a8a1", "Kk"},
      {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq -", "e8c8", "KQ"},
      {"r3k1nr/6P1/8/8/8/8/8/R3K2R w KQkq -", "g7h8n", "KQq"},  // rook taken by a promoting pawn
      {"r3k2r/8/8/8/8/8/8/1R2K2R w Kkq -", "b1b8", "Kkq"},      // a rook from another square clears nothing
  };
  for (const Case& c : cases) {
    Board board = Board_from(c.fen);
    const Board before = board;
    UndoInfo undo;
    const Move m = Play(board, c.move, undo);
    std::string rights;
    if (board.castling_K) rights += 'K';
    if (board.castling_Q) rights += 'Q';
    if (board.castling_k) rights += 'k';
    if (board.castling_q) rights += 'q';
    EXPECT_EQ(rights, c.rights) << c.fen << " " << c.move;
    Take_back(board, m, undo);
    EXPECT_EQ(std::memcmp(&board, &before, sizeof board), 0) << c.fen << " " << c.move;
  }
}

TEST_F(MakeMove, MaterialAndPiecesOfSpecialMoves) {
  {
    Board board = Board_from("3r3k/4P3/8/8/8/8/8/K7 w - -");
    UndoInfo undo;
    Play(board, "e7e8q", undo);
    EXPECT_EQ(board.eval, 1100);
    EXPECT_EQ(board.white_name_from_coord[60], QUEEN);
    EXPECT_FALSE(board.white_piece[PAWN]);
    Board other = Board_from("3r3k/4P3/8/8/8/8/8/K7 w - -");
    Play(other, "e7d8n", undo);
    EXPECT_EQ(other.eval, 900);
    EXPECT_FALSE(other.black_piece[ROOK]);
  }
  {
    Board board = Board_from("4k3/8/8/3pP3/8/8/8/4K3 w - d6");
    const Board before = board;
    UndoInfo undo;
    const Move m = Play(board, "e5d6", undo);
    EXPECT_EQ(board.black_name_from_coord[35], 0);
    EXPECT_EQ(board.eval, 100);
    Take_back(board, m, undo);
    EXPECT_EQ(board.black_name_from_coord[35], PAWN);
    EXPECT_EQ(std::memcmp(&board, &before, sizeof board), 0);
  }
  {
    Board board = Board_from("4k3/8/8/8/8/8/8/4K2R w K -");
    UndoInfo undo;
    Play(board, "e1g1", undo);
    EXPECT_EQ(board.white_name_from_coord[5], ROOK);
    EXPECT_EQ(board.white_name_from_coord[7], 0);
    EXPECT_EQ(board.white_name_from_coord[6], KING);
  }
  {
    // Black's gains lower the White-positive count.
    Board board = Board_from("4k3/8/8/8/8/8/p7/1N2K3 b - -");
    UndoInfo undo;
    Play(board, "a2b1q", undo);
    EXPECT_EQ(board.eval, -(400 + 1100));
  }
}
