// Malformed input must leave a sound board and never reach past the board,
// the key record or the line.
#include <gtest/gtest.h>

#include <random>
#include <string>

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

struct MalformedCase {
  const char* name;
  std::string line;
  const char* placement;
  int colour;       // the board before the command has Black to move
  int castling;     // number of castling rights set
  int warnings;
  int key_count;
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

class MalformedFenTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFenTest, ReadsWhatIsThereAndNothingMore) {
  const MalformedCase& c = GetParam();
  Board board{};
  // Black to move, all rights and an en-passant square, for the command to overwrite.
  ASSERT_EQ(Run_position(board, "position fen r3k2r/8/8/8/4P3/8/8/R3K2R b KQkq e3 0 1"), "");
  ASSERT_EQ(board.taking_passage_yes, 1);

  EXPECT_EQ(Run_position(board, c.line), Moves_errors(c.warnings));
  Expect_consistent(board);
  EXPECT_EQ(Placement(board), Expand(c.placement));
  EXPECT_EQ(board.colour_move, c.colour);
  EXPECT_EQ(board.castling_K + board.castling_Q + board.castling_k + board.castling_q, c.castling);
  EXPECT_EQ(board.taking_passage_yes, 0);
  EXPECT_EQ(game_key_count, c.key_count);
  EXPECT_EQ(game_keys[c.key_count], board.hash_key);
}

const std::string kStartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";
const char* const kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";
const char* const kEmpty = "8/8/8/8/8/8/8/8";

INSTANTIATE_TEST_SUITE_P(
    Truncated, MalformedFenTest,
    testing::Values(MalformedCase{"TwoRanks", "position fen 8/8", kEmpty, 0, 0, 0, 0},
                    MalformedCase{"NothingAfterFen", "position fen ", kEmpty, 0, 0, 0, 0},
                    MalformedCase{"OnlyBlanksAfterFen", "position fen      ", kEmpty, 0, 0, 0, 0},
                    MalformedCase{"OneRank", "position fen rnbqkbnr", "rnbqkbnr/8/8/8/8/8/8/8", 0, 0, 0, 0},
                    MalformedCase{"PlacementOnly", "position fen " + kStartFen, kStart, 0, 0, 0, 0},
                    MalformedCase{"PlacementAndBlank", "position fen " + kStartFen + " ", kStart, 0, 0, 0, 0},
                    MalformedCase{"SideOnly", "position fen " + kStartFen + " w", kStart, 1, 0, 0, 0},
                    MalformedCase{"SideAndBlank", "position fen " + kStartFen + " w ", kStart, 1, 0, 0, 0},
                    MalformedCase{"CastlingLast", "position fen " + kStartFen + " w KQ", kStart, 1, 2, 0, 0},
                    MalformedCase{"EnPassantHalf", "position fen " + kStartFen + " b KQkq e", kStart, 0, 4, 0, 0},
                    MalformedCase{"MovesInPlaceOfFields", "position fen 8/8 moves e2e4", kEmpty, 0, 0, 1, 1}),
    Case_name<MalformedCase>);

INSTANTIATE_TEST_SUITE_P(
    Oversized, MalformedFenTest,
    testing::Values(
        MalformedCase{"RankOfTwelveSquares", "position fen rnbqkbnrrrrr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                      kStart, 1, 4, 0, 0},
        MalformedCase{"PieceAfterEightEmpty", "position fen 8p/8/8/8/8/8/8/8k w - - 0 1", kEmpty, 1, 0, 0, 0},
        MalformedCase{"ManyDigits", "position fen 88888888K/7777777k/8/8/8/8/8/8 w - - 0 1", kEmpty, 1, 0, 0, 0},
        MalformedCase{"RankOverflowDoesNotSpill", "position fen KKKKKKKKKK/8/8/8/8/8/8/kkkkkkkkkkkkk w - - 0 1",
                      "KKKKKKKK/8/8/8/8/8/8/kkkkkkkk", 1, 0, 0, 0},
        MalformedCase{"TenRanks", "position fen 4k3/8/8/8/8/8/8/4K3/QQQQQQQQ/RRRRRRRR w - - 0 1",
                      "4k3/8/8/8/8/8/8/4K3", 1, 0, 0, 0},
        MalformedCase{"ManySlashes", "position fen " + std::string(5000, '/') + "KQRBNPkqrbnp w KQkq - 0 1", kEmpty, 1,
                      0, 0, 0},
        MalformedCase{"LongRanks", "position fen " + std::string(20000, 'Q') + "/" + std::string(20000, 'q') + " b - -",
                      "QQQQQQQQ/qqqqqqqq/8/8/8/8/8/8", 0, 0, 0, 0}),
    Case_name<MalformedCase>);

INSTANTIATE_TEST_SUITE_P(
    Garbage, MalformedFenTest,
    testing::Values(MalformedCase{"Punctuation", "position fen !@#$%^&*()_+{}|:<>?~ ;;; ((( )))", kEmpty, 0, 0, 0, 0},
                    MalformedCase{"ControlAndHighBytes", "position fen \x01\x02\x7f\xff\xfe\x80 \xff \xff\xff \xff",
                                  kEmpty, 0, 0, 0, 0},
                    MalformedCase{"Words", "position fen zzzz yyyy xxxx wwww", kEmpty, 0, 0, 0, 0},
                    MalformedCase{"DashesEverywhere", "position fen - - - - - -", kEmpty, 0, 0, 0, 0},
                    MalformedCase{"GarbageThenMoves", "position fen ?? ?? ?? ?? moves a1a2 zz", kEmpty, 0, 0, 2, 2}),
    Case_name<MalformedCase>);

// The knight shuffle g1f3 g8f6 f3g1 f6g8 repeated: after n tokens the board is
// one of four positions, and the record holds at most 999 moves.
class LongGameTest : public testing::TestWithParam<int> {};

TEST_P(LongGameTest, PlaysEveryTokenAndKeepsTheLastKey) {
  const int n = GetParam();
  const char* shuffle[] = {"g1f3", "g8f6", "f3g1", "f6g8"};
  const char* after[] = {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", "rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R",
                         "rnbqkb1r/pppppppp/5n2/8/8/5N2/PPPPPPPP/RNBQKB1R",
                         "rnbqkb1r/pppppppp/5n2/8/8/8/PPPPPPPP/RNBQKBNR"};
  std::string line = "position startpos moves";
  for (int i = 0; i < n; ++i) line += std::string(" ") + shuffle[i % 4];

  Board board{};
  EXPECT_EQ(Run_position(board, line), "");
  EXPECT_EQ(Placement(board), Expand(after[n % 4]));
  EXPECT_EQ(board.colour_move, n % 2 == 0 ? 1 : 0);
  const int count = n < GAME_KEYS - 1 ? n : GAME_KEYS - 1;
  EXPECT_EQ(game_key_count, count);
  EXPECT_EQ(game_keys[count], board.hash_key);
  for (int k = count + 1; k < GAME_KEYS; ++k) ASSERT_EQ(game_keys[k], static_cast<std::uint64_t>(k)) << "entry " << k;
}

INSTANTIATE_TEST_SUITE_P(Tokens, LongGameTest, testing::Values(997, 998, 999, 1000, 1001, 1200, 1202, 5003));

TEST(MalformedMoves, FourCharactersOfBlanksAndShortTokens) {
  Board board{};
  // "e2e4" is played; "e7" at the end of the line is too short.
  EXPECT_EQ(Run_position(board, "position startpos moves e2e4 e7"), Moves_errors(1));
  EXPECT_EQ(game_key_count, 2);
  EXPECT_EQ(Placement(board), Expand("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR"));
}

// Rights granted without the king and rook in place give no castling.
TEST(MalformedMoves, CastlingRightsWithoutKingOrRook) {
  struct {
    const char* line;
    const char* placement;
  } cases[] = {
      {"position fen 4k3/8/8/8/8/8/8/4K3 w KQkq - 0 1 moves e1g1", "4k3/8/8/8/8/8/8/4K3"},
      {"position fen 4k3/8/8/8/8/8/8/4K3 w KQkq - 0 1 moves e1c1", "4k3/8/8/8/8/8/8/4K3"},
      {"position fen 4k3/8/8/8/8/8/8/3K3R w K - 0 1 moves d1g1", "4k3/8/8/8/8/8/8/3K3R"},
      {"position fen 4k3/8/8/8/8/8/8/R4K2 w Q - 0 1 moves f1c1", "4k3/8/8/8/8/8/8/R4K2"},
      {"position fen 4k3/8/8/8/8/8/8/7R w K - 0 1 moves e1g1", "4k3/8/8/8/8/8/8/7R"},
      {"position fen 4k2n/8/8/8/8/8/8/4K3 b k - 0 1 moves e8g8", "4k2n/8/8/8/8/8/8/4K3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    Board board{};
    EXPECT_EQ(Run_position(board, c.line), Moves_errors(1));
    Expect_consistent(board);
    EXPECT_EQ(Placement(board), Expand(c.placement));
  }
  // With the rook in its corner the same king step is castling.
  Board board{};
  EXPECT_EQ(Run_position(board, "position fen 4k3/8/8/8/8/8/8/R3K3 w KQkq - 0 1 moves e1c1"), "");
  EXPECT_EQ(Placement(board), Expand("4k3/8/8/8/8/8/8/2KR4"));
}

// An en-passant field that no double step can have produced offers no capture.
TEST(MalformedMoves, EnPassantWithoutADoubleSteppedPawn) {
  const char* lines[] = {
      "position fen 4k3/8/8/3P4/8/8/8/4K3 w - e6 0 1 moves d5e6",
      "position fen 4k3/8/8/3PP3/8/8/8/4K3 w - e6 0 1 moves d5e6",
      "position fen 4k3/8/8/3Pn3/8/8/8/4K3 w - e6 0 1 moves d5e6",
      "position fen 4k3/8/8/8/3p4/8/8/4K3 b - e3 0 1 moves d4e3",
      "position fen 4k3/8/8/3p4/3P4/8/8/4K3 b - e6 0 1 moves d5e6",
  };
  for (const char* line : lines) {
    SCOPED_TRACE(line);
    Board board{};
    const std::string out = Run_position(board, line);
    Expect_consistent(board);
    EXPECT_EQ(out, Moves_errors(1));
    EXPECT_EQ(board.taking_passage_yes, 0);
  }
}

TEST(MalformedPositions, SideWithoutKingIsNeverInCheck) {
  Board board{};
  // White has a rook and no king; Black's king stands in the rook's file.
  ASSERT_EQ(Run_position(board, "position fen k7/8/8/8/8/8/8/R6r w KQ - 0 1"), "");
  Expect_consistent(board);
  MoveList list;
  Generate_all_moves(board, list);
  EXPECT_GE(list.move_count, 12);  // at least the six free squares up the file and the six along the rank
  for (int i = 0; i < list.move_count; ++i) EXPECT_EQ(Move_from(list.move[i]), Sq("a1"));
  EXPECT_EQ(King_attacked_white(board), 0);
  EXPECT_EQ(King_attacked_black(board), ROOK);

  ASSERT_EQ(Run_position(board, "position fen k7/8/8/8/8/8/8/R6r w - - 0 1 moves a1h1 a8b8 h1h8"), "");
  EXPECT_EQ(Placement(board), Expand("1k5R/8/8/8/8/8/8/8"));
  EXPECT_EQ(King_attacked_black(board), ROOK);

  // And the other way round: Black without a king.
  ASSERT_EQ(Run_position(board, "position fen 8/8/8/8/8/8/8/K6q b - - 0 1"), "");
  Generate_all_moves(board, list);
  EXPECT_GT(list.move_count, 0);
  EXPECT_EQ(King_attacked_black(board), 0);
  EXPECT_EQ(King_attacked_white(board), QUEEN);

  // No pieces at all.
  ASSERT_EQ(Run_position(board, "position fen 8/8/8/8/8/8/8/8 w KQkq - 0 1 moves e1g1"), Moves_errors(1));
  Generate_all_moves(board, list);
  EXPECT_EQ(list.move_count, 0);
  EXPECT_EQ(King_attacked_white(board), 0);
  EXPECT_EQ(King_attacked_black(board), 0);
}

// Number of quiet queen moves counted square by square.
int Queen_moves_by_hand(const Board& board, const Bitboard queens) {
  int n = 0;
  for (int from = 0; from < 64; ++from) {
    if (!(queens & coord_bit[from])) continue;
    for (int df = -1; df <= 1; ++df)
      for (int dr = -1; dr <= 1; ++dr) {
        if (!df && !dr) continue;
        for (int f = from % 8 + df, r = from / 8 + dr; f >= 0 && f < 8 && r >= 0 && r < 8; f += df, r += dr) {
          if (board.all_piece & coord_bit[8 * r + f]) break;
          ++n;
        }
      }
  }
  return n;
}

// A ring of queens has more moves than a list holds: the list is cut at 256,
// and each entry is still a real move of a queen.
TEST(MalformedPositions, MoreMovesThanTheListHolds) {
  for (const char* line : {"position fen QQQQQQQQ/Q6Q/Q6Q/Q6Q/Q6Q/Q6Q/Q6Q/QQQQQQQQ w - - 0 1",
                           "position fen qqqqqqqq/q6q/q6q/q6q/q6q/q6q/q6q/qqqqqqqq b - - 0 1"}) {
    SCOPED_TRACE(line);
    Board board{};
    ASSERT_EQ(Run_position(board, line), "");
    const bool white = board.colour_move == White;
    const Bitboard queens = white ? board.white_piece[QUEEN] : board.black_piece[QUEEN];
    MoveList list;
    Generate_all_moves(board, list);
    ASSERT_GT(Queen_moves_by_hand(board, queens), MAX_MOVES);
    EXPECT_EQ(list.move_count, MAX_MOVES);
    ASSERT_LE(list.capture_count, list.move_count);
    const auto& own = white ? board.white_name_from_coord : board.black_name_from_coord;
    const Bitboard own_all = white ? board.all_white_piece : board.all_black_piece;
    for (int i = 0; i < list.move_count; ++i) {
      const Move m = list.move[i];
      EXPECT_EQ(own[Move_from(m)], Moving_piece(m)) << "entry " << i;
      EXPECT_FALSE(own_all & coord_bit[Move_to(m)]) << "entry " << i;
      for (int j = 0; j < i; ++j) EXPECT_NE(list.move[j], m) << "entries " << j << " and " << i;
    }
  }
  // A move inside the full list is still played.
  Board board{};
  EXPECT_EQ(Run_position(board, "position fen QQQQQQQQ/Q6Q/Q6Q/Q6Q/Q6Q/Q6Q/Q6Q/QQQQQQQQ w - - 0 1 moves a1b2"), "");
  EXPECT_EQ(Placement(board), Expand("QQQQQQQQ/Q6Q/Q6Q/Q6Q/Q6Q/Q6Q/QQ5Q/1QQQQQQQ"));
}

// Random lines of FEN characters and move text: whatever they say, the board
// stays sound, the record stays in bounds and every generated move is a real
// move of the side to move.
TEST(MalformedPositions, RandomLines) {
  Init_eval_tables();
  std::mt19937 random(20091226);
  const std::string alphabet = "pnbrqkPNBRQK12345678/ wb-KQkqaehx09 \x01\xff";
  const char* files = "abcdefghz";
  const char* ranks = "123456789";
  for (int round = 0; round < 3000; ++round) {
    std::string line = "position fen ";
    const int length = static_cast<int>(random() % 120);
    for (int i = 0; i < length; ++i) line += alphabet[random() % alphabet.size()];
    if (random() % 2) {
      line += " moves";
      const int tokens = static_cast<int>(random() % 12);
      for (int i = 0; i < tokens; ++i) {
        line += ' ';
        const int chars = static_cast<int>(random() % 6);
        for (int c = 0; c < chars; ++c) line += c % 2 ? ranks[random() % 9] : files[random() % 9];
      }
    }
    SCOPED_TRACE(line);
    Board board{};
    const std::string out = Run_position(board, line);
    Expect_consistent(board);
    ASSERT_TRUE(game_key_count >= 0 && game_key_count < GAME_KEYS);
    ASSERT_EQ(game_keys[game_key_count], board.hash_key);
    ASSERT_EQ(out, Moves_errors(static_cast<int>(out.size() / 22)));
    MoveList list;
    Generate_all_moves(board, list);
    ASSERT_LE(list.move_count, MAX_MOVES);
    const auto& own = board.colour_move == White ? board.white_name_from_coord : board.black_name_from_coord;
    for (int i = 0; i < list.move_count; ++i) ASSERT_EQ(own[Move_from(list.move[i])], Moving_piece(list.move[i]));
  }
}

}  // namespace
