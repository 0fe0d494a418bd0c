#include "board/movegen.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "board_fixtures.h"

namespace {

const std::string start_fen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -";

int Index_of(const MoveList& list, Move m) {
  for (int i = 0; i < list.move_count; ++i)
    if (list.move[i] == m) return i;
  return -1;
}

}  // namespace

TEST(Generation, StartPositionOrderForBothColours) {
  const std::vector<std::string> white = {"b1a3", "b1c3", "g1f3", "g1h3", "a2a3", "a2a4", "b2b3", "b2b4", "c2c3", "c2c4",
                                          "d2d3", "d2d4", "e2e3", "e2e4", "f2f3", "f2f4", "g2g3", "g2g4", "h2h3", "h2h4"};
  const std::vector<std::string> black = {"b8a6", "b8c6", "g8f6", "g8h6", "a7a5", "a7a6", "b7b5", "b7b6", "c7c5", "c7c6",
                                          "d7d5", "d7d6", "e7e5", "e7e6", "f7f5", "f7f6", "g7g5", "g7g6", "h7h5", "h7h6"};
  Board board = Board_from(start_fen);
  MoveList list;
  Generate_captures_white(board, list);
  EXPECT_EQ(list.capture_count, 0);
  EXPECT_EQ(list.move_count, 0);
  Generate_moves_white(board, list);
  EXPECT_EQ(list.capture_count, 0);
  EXPECT_EQ(list.move_count, 20);
  EXPECT_EQ(Move_texts(board), white);
  board.colour_move = Black;
  EXPECT_EQ(Move_texts(board), black);
}

TEST(Generation, PieceAndRayOrder) {
  // Quiet moves: king, queens, rooks, bishops, knights, pawns; along a ray in rising square order.
  const Board board = Board_from("k7/8/8/8/8/8/8/1N2K2R w - -");
  const std::vector<std::string> expected = {"e1d1", "e1f1", "e1d2", "e1e2", "e1f2",  // king
                                             "h1h2", "h1h3", "h1h4", "h1h5", "h1h6", "h1h7", "h1h8",  // rook up
                                             "h1f1", "h1g1",                                          // rook left
                                             "b1d2", "b1a3", "b1c3"};
  EXPECT_EQ(Move_texts(board), expected);
}

TEST(Generation, PromotionsAndCapturePromotions) {
  const Board board = Board_from("3r3k/4P3/8/8/8/8/8/K7 w - -");
  MoveList list;
  Generate_captures_white(board, list);
  ASSERT_EQ(list.capture_count, 8);
  ASSERT_EQ(list.move_count, 8);
  EXPECT_EQ(list.move[0], 0x01F343C0u);  // e7-e8 queen
  const int types[8] = {15, 14, 13, 12, 25, 24, 23, 22};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(Move_type(list.move[i]), types[i]);
    EXPECT_EQ(list.score[i], types[i]);
    EXPECT_EQ(Captured_piece(list.move[i]), i < 4 ? 0 : ROOK);
    EXPECT_EQ(Move_to(list.move[i]), i < 4 ? Square("e8") : Square("d8"));
    EXPECT_EQ(Moving_piece(list.move[i]), PAWN);
  }
  // Blocked and with nothing to take, the pawn has no move at all.
  const Board blocked = Board_from("4n2k/4P3/8/8/8/8/8/K7 w - -");
  for (const std::string& m : Move_texts(blocked)) EXPECT_NE(m.substr(0, 2), "e7");
}

TEST(Generation, BlackPromotionsAndPawnStepOrder) {
  const Board board = Board_from("k7/8/8/8/8/8/p6p/K5R1 b - -");
  const std::vector<std::string> texts = Move_texts(board);
  // The a2 pawn is blocked by the king on a1; h2 promotes ahead, then takes on g1.
  const std::vector<std::string> captures(texts.begin(), texts.begin() + 8);
  EXPECT_EQ(captures, (std::vector<std::string>{"h2h1q", "h2h1r", "h2h1b", "h2h1n", "h2g1q", "h2g1r", "h2g1b", "h2g1n"}));
  // A black pawn's double step comes before its single step.
  const std::vector<std::string> steps = Move_texts(Board_from("4k3/3p4/8/8/8/8/8/4K3 b - -"));
  EXPECT_EQ(std::vector<std::string>(steps.end() - 2, steps.end()), (std::vector<std::string>{"d7d5", "d7d6"}));
}

TEST(Generation, CaptureWordsAndScores) {
  const Board board = Board_from("4k3/8/8/3n4/4P3/8/8/4K3 w - -");
  MoveList list;
  Generate_captures_white(board, list);
  ASSERT_EQ(list.capture_count, 1);
  EXPECT_EQ(Captured_piece(list.move[0]), KNIGHT);
  EXPECT_EQ(Move_type(list.move[0]), MOVE_CAPTURE);
  EXPECT_EQ(Moving_piece(list.move[0]), PAWN);
  EXPECT_EQ(list.score[0], 19);
  // The king can be taken whenever the board allows: pawn takes king scores 59, king takes king 54.
  const Board king_en_prise = Board_from("8/8/8/3k4/2PK4/8/8/8 w - -");
  Generate_captures_white(king_en_prise, list);
  std::vector<int> scores(list.score, list.score + list.move_count);
  EXPECT_EQ(scores, (std::vector<int>{59, 54}));
}

TEST(Generation, EnPassantBothNeighbours) {
  // After ...d7-d5 with white pawns on c5 and e5.
  const Board board = Board_from("4k3/8/8/2PpP3/8/8/8/4K3 w - d6");
  ASSERT_EQ(board.taking_passage_yes, 1);
  MoveList list;
  Generate_captures_white(board, list);
  ASSERT_EQ(list.capture_count, 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Move_type(list.move[i]), MOVE_EN_PASSANT);
    EXPECT_EQ(Captured_piece(list.move[i]), PAWN);
    EXPECT_EQ(list.score[i], 5);
  }
  EXPECT_EQ(Text_of(list.move[0]), "c5d6");
  EXPECT_EQ(Text_of(list.move[1]), "e5d6");
  // A pawn on the a-file never takes onto the h-file (a5 and h6 are 15 apart, not 7 or 9).
  const Board edge = Board_from("4k3/8/8/P6p/8/8/8/4K3 w - h6");
  Generate_captures_white(edge, list);
  EXPECT_EQ(list.capture_count, 0);
  const Board black_edge = Board_from("4k3/8/8/8/p6P/8/8/4K3 b - h3");
  Generate_captures_black(black_edge, list);
  EXPECT_EQ(list.capture_count, 0);
}

TEST(Generation, SliderCapturesOnlyTheNearestPiece) {
  // The bishop's own pawn on c3 stands between it and the black rook on a5.
  const Board board = Board_from("4k3/8/8/r7/8/2P5/3B4/4K3 w - -");
  MoveList list;
  Generate_captures_white(board, list);
  EXPECT_EQ(list.capture_count, 0);
  const Board open = Board_from("4k3/8/8/r7/8/8/3B4/4K3 w - -");
  Generate_captures_white(open, list);
  ASSERT_EQ(list.capture_count, 1);
  EXPECT_EQ(Text_of(list.move[0]), "d2a5");
  EXPECT_EQ(list.score[0], 10 * ROOK - BISHOP);
}

TEST(Castling, WordsAndConditions) {
  constexpr Move white_king_side = 0x06184100, white_queen_side = 0x060840C0;
  constexpr Move black_king_side = 0x06FBC100, black_queen_side = 0x06EBC0C0;
  struct Case {
    const char* fen;
    Move castle;
    bool present;
  };
  const Case cases[] = {
      {"4k3/8/8/8/8/8/8/4K2R w K -", white_king_side, true},
      {"4k3/8/8/8/8/8/8/R3K3 w Q -", white_queen_side, true},
      {"r3k2r/8/8/8/8/8/8/4K3 b kq -", black_king_side, true},
      {"r3k2r/8/8/8/8/8/8/4K3 b kq -", black_queen_side, true},
      {"4k3/8/8/8/8/8/8/4K2R w - -", white_king_side, false},          // no right
      {"4k3/8/8/8/8/8/8/4K1NR w K -", white_king_side, false},        // g1 occupied
      {"4k3/8/8/8/8/3b4/8/4K2R w K -", white_king_side, false},       // bishop attacks f1
      {"4k3/8/8/8/8/8/8/4K2Rr w K -", white_king_side, true},         // a ninth square is passed over
      {"4k2r/8/8/8/8/8/8/4K2R w K -", white_king_side, true},         // rook attacks only h1
      {"4k3/8/8/8/8/8/8/1r2K3 w - -", white_queen_side, false},
      {"4k3/8/8/8/8/8/1r6/R3K3 w Q -", white_queen_side, true},       // b1 attacked only
      {"4k3/8/8/8/8/8/8/RN2K3 w Q -", white_queen_side, false},       // b1 occupied
      {"4k3/8/8/8/8/3n4/8/R3K3 w Q -", white_queen_side, false},      // king in check
      {"4k3/8/8/8/8/8/5p2/4K2R w K -", white_king_side, false},       // pawn attacks e1 and g1
      {"r3k2r/8/8/8/8/8/8/4K1R1 b kq -", black_king_side, false},     // rook on g1 attacks g8
      {"r3k2r/8/8/8/8/8/8/4K1R1 b kq -", black_queen_side, true},
  };
  for (const Case& c : cases) {
    const Board board = Board_from(c.fen);
    MoveList list;
    Generate_all_moves(board, list);
    const int index = Index_of(list, c.castle);
    EXPECT_EQ(index >= 0, c.present) << c.fen;
    if (index >= 0) {
      EXPECT_EQ(list.score[index], Move_type(c.castle)) << c.fen;
    }
  }
}

TEST(Castling, SquareAttackTestReportsTheAttacker) {
  struct Case {
    const char* fen;
    const char* square;
    int white, black;  // results of the white and the black test
  };
  const Case cases[] = {
      {"4k3/8/8/8/8/8/8/4K3 w - -", "f1", 0, 0},
      {"4k3/8/8/8/8/8/8/r3K3 w - -", "c1", ROOK, 0},
      {"4k3/8/8/8/8/8/8/q3K3 w - -", "d1", QUEEN, 0},
      {"4k3/8/8/8/8/3b4/8/4K3 w - -", "f1", BISHOP, 0},
      {"4k3/8/8/8/8/8/4n3/4K3 w - -", "g1", KNIGHT, 0},
      {"4k3/8/8/8/8/8/6k1/4K3 w - -", "f1", KING, 0},
      {"4k3/8/8/8/8/8/2p5/4K3 w - -", "d1", PAWN, 0},
      {"4k3/2P5/8/8/8/8/8/4K3 w - -", "d8", 0, PAWN},
      {"4k3/8/8/8/8/8/8/3RK3 w - -", "d8", 0, ROOK},
      {"4k3/8/5N2/8/8/8/8/4K3 w - -", "g8", 0, KNIGHT},
  };
  for (const Case& c : cases) {
    const Board board = Board_from(c.fen);
    const int s = Square(c.square);
    if (s < 8) {
      EXPECT_EQ(Castling_square_attacked_white(board, s), c.white) << c.fen;
    } else {
      EXPECT_EQ(Castling_square_attacked_black(board, s), c.black) << c.fen;
    }
  }
}

TEST(Check, KingAttackedReportsTheFirstAttacker) {
  struct Case {
    const char* fen;
    int white, black;
  };
  const Case cases[] = {
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -", 0, 0},
      {"4q2k/8/8/8/8/8/8/4K3 w - -", QUEEN, 0},
      {"4q2k/8/8/8/4P3/8/8/4K3 w - -", 0, 0},
      {"4q2k/8/8/8/4p3/8/8/4K3 w - -", 0, 0},
      {"7k/8/8/8/1b6/8/8/4K3 w - -", BISHOP, 0},
      {"7k/8/8/8/1r6/8/8/4K3 w - -", 0, 0},
      {"7k/8/8/3p4/4K3/8/8/8 w - -", PAWN, 0},
      {"7k/8/8/5p2/4K3/8/8/8 w - -", PAWN, 0},
      {"7k/8/8/4p3/4K3/8/8/8 w - -", 0, 0},
      {"7k/8/8/8/4K3/3p4/8/8 w - -", 0, 0},
      {"7k/8/8/8/K6p/8/8/8 w - -", 0, 0},  // h4 is not a4 + 7
      {"4k3/8/5N2/8/8/8/8/K7 w - -", 0, KNIGHT},
      {"8/8/8/4k3/4K3/8/8/8 w - -", KING, KING},
      {"8/8/8/8/8/8/8/8 w - -", 0, 0},  // no kings: never in check
      {"7k/8/8/8/8/8/3p4/4K3 w - -", PAWN, 0},  // a king on its first rank meets pawns on the second
      {"4k3/3P4/8/8/8/8/8/K7 w - -", 0, PAWN},
      {"1k6/8/8/8/8/8/8/1R2K2r w - -", ROOK, ROOK},
  };
  for (const Case& c : cases) {
    const Board board = Board_from(c.fen);
    EXPECT_EQ(King_attacked_white(board), c.white) << c.fen;
    EXPECT_EQ(King_attacked_black(board), c.black) << c.fen;
  }
}

TEST(Generation, ListNeverOverflows) {
  // These queens have 273 pseudo-legal moves between them.
  const Board board = Board_from("2QQQQQk/QQ5Q/Q6Q/Q3Q2Q/Q6Q/Q6Q/Q5Q1/KQQQQQQ1 w - -");
  MoveList list;
  Generate_captures_white(board, list);
  Generate_moves_white(board, list);
  EXPECT_EQ(list.move_count, MAX_MOVES);
  // Every listed move is still a real queen or king move of the position.
  for (int i = 0; i < list.move_count; ++i) EXPECT_NE(board.white_name_from_coord[Move_from(list.move[i])], 0);
}
