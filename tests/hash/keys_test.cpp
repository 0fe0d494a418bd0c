#include "hash/keys.h"

#include <gtest/gtest.h>

#include "board/make_move_inline.h"
#include "board/movegen.h"
#include "board/board_fixtures.h"
#include "eval/eval_tables.h"

namespace {

// Fills the key table as the first "uci" of a fresh process does.
void Fresh_keys() {
  key_random_state = 1;
  Init_keys();
}

std::uint64_t Key_of(const std::string& fen) {
  Board board = Board_from(fen);
  Full_key(board);
  return board.hash_key;
}

// Walks every move down to `depth`: after each make the updated key must equal
// the key computed from scratch, and unmake with the saved key restores the position's key.
template <Colour C>
void Walk(Board& board, int depth, int& checked) {
  constexpr Colour them = C == White ? Black : White;
  MoveList list;
  Generate_captures<C>(board, list);
  Generate_moves<C>(board, list);
  for (int i = 0; i < list.move_count; ++i) {
    const std::uint64_t saved = board.hash_key;
    UndoInfo undo;
    Make_move<C>(board, undo, list.move[i]);
    if (!King_attacked<C>(board)) {
      Update_key(C, list, i, board, undo);
      Board fresh = board;
      Full_key(fresh);
      ASSERT_EQ(board.hash_key, fresh.hash_key) << Text_of(list.move[i]);
      ++checked;
      if (depth > 1) Walk<them>(board, depth - 1, checked);
    }
    Unmake_move<C>(board, undo, list.move[i]);
    board.hash_key = saved;
    Board fresh = board;
    Full_key(fresh);
    ASSERT_EQ(saved, fresh.hash_key);
  }
}

}  // namespace

TEST(KeyRandom, FirstOutputsAndTableValues) {
  key_random_state = 1;
  const int expected[5] = {41, 18467, 6334, 26500, 19169};
  for (int value : expected) EXPECT_EQ(Key_random(), value);

  const std::uint32_t before = (Fresh_keys(), key_random_state);
  EXPECT_EQ(piece_keys[0][1][0], 0x6C118C5F33C24AE1u);
  EXPECT_EQ(piece_keys[1][1][0], 0xC11B831D29F7DF06u);
  EXPECT_EQ(piece_keys[1][6][63], 0x4FF1BA8C9E9DC8B5u);
  for (int square = 0; square < 64; ++square) {
    EXPECT_EQ(piece_keys[0][0][square], 0u);
    EXPECT_EQ(piece_keys[1][0][square], 0u);
  }
  // One call draws 3,840 values: a generator stepped that many times from 1 is where it now stands.
  std::uint32_t state = 1;
  for (int i = 0; i < 3840; ++i) state = state * 214013u + 2531011u;
  EXPECT_EQ(before, state);
}

TEST(FullKey, KnownPositions) {
  Fresh_keys();
  EXPECT_EQ(Key_of("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -"), 0x57DB5D19A051DCC0u);
  EXPECT_EQ(Key_of("8/8/8/8/8/8/8/8 b - -"), 0u);
  EXPECT_EQ(Key_of("8/8/8/8/8/8/8/8 w - -"), key_white_to_move);
}

TEST(FullKey, SecondInitChangesEveryPieceKey) {
  Fresh_keys();
  const std::uint64_t start = Key_of("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -");
  std::uint64_t first[2][7][64];
  std::copy(&piece_keys[0][0][0], &piece_keys[0][0][0] + 2 * 7 * 64, &first[0][0][0]);
  Init_keys();
  for (int c = 0; c < 2; ++c)
    for (int p = 1; p <= 6; ++p)
      for (int s = 0; s < 64; ++s) EXPECT_NE(piece_keys[c][p][s], first[c][p][s]);
  EXPECT_NE(Key_of("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -"), start);
}

TEST(FullKey, EnPassantTermUsesXorOfFileAndRankWithSign) {
  EXPECT_EQ(En_passant_key(4, 2), En_passant_key(2, 4));
  EXPECT_EQ(En_passant_key(4, 2), key_en_passant ^ 6u);
  EXPECT_EQ(En_passant_key(-1, 2), key_en_passant ^ 0xFFFFFFFFFFFFFFFDu);
}

TEST(UpdateKey, MatchesFullKeyAlongWalks) {
  Fresh_keys();
  Init_eval_tables();
  const char* fens[] = {
      "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
      "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq -",
      "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ -",
      "r3k2r/1P4P1/8/2pP4/8/8/1p4p1/R3K2R w KQkq c6",
      "4k3/8/8/8/3pP3/8/8/4K3 b - e3",
  };
  for (const char* fen : fens) {
    for (const std::string& f : {std::string(fen), Mirror_fen(fen)}) {
      Board board = Board_from(f);
      Full_key(board);
      int checked = 0;
      if (board.colour_move == White)
        Walk<White>(board, 3, checked);
      else
        Walk<Black>(board, 3, checked);
      EXPECT_GT(checked, 100) << f;
    }
  }
}

TEST(UpdateKey, CastlingChangesRookKingAndOneKeyPerLostRight) {
  Fresh_keys();
  Board board = Board_from("r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
  Full_key(board);
  const std::uint64_t before = board.hash_key;
  MoveList list;
  list.move[0] = 0x06184100;  // e1-g1
  list.capture_count = list.move_count = 1;
  UndoInfo undo;
  Make_move<White>(board, undo, list.move[0]);
  Update_key(White, list, 0, board, undo);
  EXPECT_EQ(board.hash_key, before ^ piece_keys[1][KING][4] ^ piece_keys[1][KING][6] ^ piece_keys[1][ROOK][7] ^
                                piece_keys[1][ROOK][5] ^ key_white_to_move ^ key_castling_K ^ key_castling_Q);
  // A word of no known type changes only the side and the state terms.
  Board other = Board_from("4k3/8/8/8/8/8/8/4K3 w - -");
  Full_key(other);
  const std::uint64_t plain = other.hash_key;
  list.move[0] = Make_move_word(0, 7, 4, 12, KING);
  Make_move<White>(other, undo, list.move[0]);
  Update_key(White, list, 0, other, undo);
  EXPECT_EQ(other.hash_key, plain ^ key_white_to_move);
}
