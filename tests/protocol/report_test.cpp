// The texts of the search's reports.
#include <gtest/gtest.h>

#include <string>

#include "board/move.h"
#include "protocol/report.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

int Sq(const char* name) { return (name[0] - 'a') + 8 * (name[1] - '1'); }

Move M(const char* from, const char* to, int type, int captured = 0, int moving = PAWN) {
  return Make_move_word(captured, type, Sq(from), Sq(to), moving);
}

PV_line Line_of(std::initializer_list<Move> moves, std::int32_t score) {
  PV_line line{};
  for (Move m : moves) line.move[line.length++] = m;
  line.score_move = score;
  return line;
}

TEST(Report, CurrmoveHasNoLetterAndNoTrailingBlank) {
  const Move moves[] = {M("e2", "e4", MOVE_QUIET), M("b7", "a8", MOVE_CAPTURE_PROMOTION + KNIGHT, ROOK)};
  CaptureStdout();
  Report_currmove(moves, 0, 1, 5);
  Report_currmove(moves, 1, 2, 5);
  EXPECT_EQ(GetCapturedStdout(),
            "info currmove e2e4 currmovenumber 1 depth 5\n"
            "info currmove b7a8 currmovenumber 2 depth 5\n");
}

TEST(Report, LettersOfTheThreeWriters) {
  struct Case {
    Move m;
    const char* none;
    const char* unless_passant;
    const char* promotion;
  };
  const Case cases[] = {
      {M("e2", "e4", MOVE_QUIET), "e2e4", "e2e4 ", "e2e4"},
      {M("e1", "g1", MOVE_CASTLE_KING, 0, KING), "e1g1", "e1g1 ", "e1g1"},
      {M("e5", "d6", MOVE_EN_PASSANT, PAWN), "e5d6", "e5d6", "e5d6"},
      {M("a7", "a8", MOVE_PROMOTION + QUEEN), "a7a8", "a7a8q", "a7a8q"},
      {M("b7", "a8", MOVE_CAPTURE_PROMOTION + KNIGHT, ROOK), "b7a8", "b7a8n", "b7a8n"},
      {M("h2", "h1", MOVE_PROMOTION + ROOK), "h2h1", "h2h1r", "h2h1r"},
  };
  for (const Case& c : cases) {
    for (auto [rule, expected] : {std::pair{MoveLetter::None, c.none}, {MoveLetter::UnlessPassant, c.unless_passant},
                                  {MoveLetter::Promotion, c.promotion}}) {
      CaptureStdout();
      Write_move(c.m, rule);
      EXPECT_EQ(GetCapturedStdout(), expected);
    }
  }
  EXPECT_EQ(Promotion_letter(0), ' ');
  EXPECT_EQ(Promotion_letter(26), 'k');
  EXPECT_EQ(Promotion_letter(16), ' ');  // 16 - 20 is no piece
  EXPECT_EQ(Promotion_letter(27), ' ');
}

TEST(Report, ScoresInCentipawnsOrFullMovesToMate) {
  struct Case {
    std::int32_t value;
    bool white;
    const char* text;
  };
  const Case cases[] = {
      {25, true, " score cp 25"},
      {25, false, " score cp -25"},
      {900000, true, " score cp 900000"},
      {999000, true, " score mate 1"},   // mates at ply 1
      {999000, false, " score mate -1"},
      {997000, true, " score mate 2"},   // ply 3
      {-998000, true, " score mate -1"}, // White mated at ply 2
      {-996000, true, " score mate -2"},
      {996000, false, " score mate -2"},
      {-1000000, true, " score mate 0"},  // mated at the root
      {995000, true, " score mate 3"},    // a king taken at ply 5
  };
  for (const Case& c : cases) {
    CaptureStdout();
    Write_score(c.value, c.white);
    EXPECT_EQ(GetCapturedStdout(), c.text) << c.value;
  }
}

TEST(Report, BestLineAndItsRepeatRule) {
  Reset_report_line();
  const PV_line line = Line_of({M("e2", "e4", MOVE_QUIET), M("e7", "e5", MOVE_QUIET)}, 25);
  CaptureStdout();
  Report_line(25, line, 3, 1, 820);
  Report_line(25, line, 3, 1, 900);  // same value and depth: a line feed only
  Report_line(25, line, 4, 1, 950);  // same value, new depth: a line feed, then the line
  Report_line(-25, Line_of({M("e2", "e4", MOVE_QUIET)}, 25), 4, 0, 1000);  // the sign alone may differ
  EXPECT_EQ(GetCapturedStdout(),
            "info  depth 3 seldepth 2 score cp 25 nodes 820 pv e2e4  e7e5  \n"
            "\n"
            "\n"
            "info  depth 4 seldepth 2 score cp 25 nodes 950 pv e2e4  e7e5  \n"
            "info  depth 4 seldepth 1 score cp 25 nodes 1000 pv e2e4  \n");
}

TEST(Report, ALineThatDoesNotCarryTheValueIsAnErrorBlock) {
  Reset_report_line();
  CaptureStdout();
  Report_line(30, Line_of({M("e2", "e4", MOVE_QUIET)}, 31), 2, 1, 7);
  EXPECT_EQ(GetCapturedStdout(),
            "info  depth 2 seldepth 1 score cp 30 nodes 7\n"
            "ERROR LINE \n"
            " value = 30\n"
            " p_PV_best_point.score_move = 31\n"
            "**********************\n"
            "  \n"
            "\n");
}

TEST(Report, IterationLineAndBestmove) {
  CaptureStdout();
  Report_iteration(25, true, 3, 820, 0.02, Line_of({M("e2", "e4", MOVE_QUIET), M("e7", "e5", MOVE_QUIET)}, 25));
  Report_iteration(-40, false, 1, 7, 0.01, Line_of({M("a2", "a1", MOVE_PROMOTION + QUEEN)}, -40));
  Report_iteration(999000, true, 1, 3, 0.01, Line_of({M("h5", "f7", MOVE_CAPTURE, PAWN, QUEEN)}, 999000));
  Report_bestmove(M("a2", "a1", MOVE_PROMOTION + QUEEN));
  Report_bestmove(M("e5", "d6", MOVE_EN_PASSANT, PAWN));
  Report_bestmove(0);
  EXPECT_EQ(GetCapturedStdout(),
            "info  nps 41000 depth 3 score cp 25 nodes 820 pv e2e4 e7e5 \n"
            "info  nps 700 depth 1 score cp 40 nodes 7 pv a2a1q \n"
            "info  nps 300 depth 1 score mate 1 nodes 3 pv h5f7 \n"
            "bestmove a2a1q\n"
            "bestmove e5d6\n"
            "bestmove 0000\n");
}

}  // namespace
