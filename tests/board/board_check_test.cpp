#include "board/board_check.h"

#include <gtest/gtest.h>

#include "board_fixtures.h"

namespace {

std::string Check_output(const Board& test, const Board& now) {
  testing::internal::CaptureStdout();
  Check_board(test, now);
  return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(CheckBoard, FreshCopyPrintsNothing) {
  const Board board = Board_from("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -");
  Board copy;
  Copy_board(copy, board);
  EXPECT_EQ(Check_output(copy, board), "");
}

TEST(CheckBoard, ReportsEachDifferingFieldInOrder) {
  const Board board = Board_from("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -");
  Board changed = board;
  changed.white_piece[3] ^= 1;
  EXPECT_EQ(Check_output(board, changed), "white test_white_piece[n] = bitboard->white_piece[n]3\n");

  // A knight on another square: occupancy, its set and the two squares' codes.
  Board moved = Board_from("rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R w KQkq -");
  EXPECT_EQ(Check_output(board, moved),
            "white test_all_piece != bitboard->all_piece\n"
            "white test_all_white_piece != bitboard->all_white_piece\n"
            "white test_white_piece[n] = bitboard->white_piece[n]2\n"
            "white test_white_name_from_coord[k] = bitboard->white_name_from_coord[k]6\n"
            "white test_white_name_from_coord[k] = bitboard->white_name_from_coord[k]21\n");

  Board fields = board;
  fields.colour_move = 0;
  fields.taking_passage_yes = 1;
  fields.taking_passage_x = 3;
  fields.taking_passage_y = 5;
  fields.castling_Q = fields.castling_K = fields.castling_q = fields.castling_k = 0;
  fields.hash_key = 1ull << 40;  // a difference in the high half counts
  fields.eval = 7;
  fields.black_name_from_coord[63] = 0;
  EXPECT_EQ(Check_output(board, fields),
            "white test_colour_move != bitboard->colour_move\n"
            "white test_taking_passage_yes != bitboard->taking_passage_yes\n"
            "white test_taking_passage_x != bitboard->taking_passage_x\n"
            "white test_taking_passage_y != bitboard->taking_passage_y\n"
            "white test_castling_Q != bitboard->castling_Q\n"
            "white test_castling_K != bitboard->castling_K\n"
            "white test_castling_q != bitboard->castling_q\n"
            "white test_castling_k != bitboard->castling_k\n"
            "white test_hash_key !=  bitboard->hash_key\n"
            "white test_eval != bitboard->eval\n"
            "white test_black_name_from_coord[k] = bitboard->black_name_from_coord[k]63\n");
  Board black_set = board;
  black_set.all_black_piece = 0;
  black_set.black_piece[0] = 1;
  EXPECT_EQ(Check_output(board, black_set),
            "white test_all_black_piece != bitboard->all_black_piece\n"
            "white test_black_piece[n] = bitboard->black_piece[n]0\n");
}
