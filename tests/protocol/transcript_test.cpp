// Whole sessions through the built engine: input on a pipe, output compared
// byte for byte, exit code included.
#include <gtest/gtest.h>

#include <string>

#include "protocol/engine_process.h"

namespace {

template <class Case>
std::string Case_name(const testing::TestParamInfo<Case>& param_info) {
  return param_info.param.name;
}

const std::string kUciReply =
    "id name Talvex_j2_6_Beta_26_12_2009\n"
    "id author Quillon88\n"
    "option name Hash type spin default 1 min 1 max 1024\n"
    "uciok \n";
const std::string kReady = "readyok \n\n";
const std::string kUnknown = "WARNING ! Unknown command\n";
const std::string kMovesError = "WARNING ! moves error\n";

std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

struct Transcript {
  const char* name;
  std::string input;
  std::string output;
  int exit_code;
};

void PrintTo(const Transcript& t, std::ostream* os) { *os << t.name; }

class TranscriptTest : public testing::TestWithParam<Transcript> {};

TEST_P(TranscriptTest, OutputAndExitCode) {
  ASSERT_FALSE(Engine_path().empty()) << "TALVEX_BINARY is not set";
  const Transcript& t = GetParam();
  const EngineRun run = Run_engine(t.input);
  ASSERT_FALSE(run.timed_out);
  EXPECT_EQ(run.out, t.output);
  EXPECT_EQ(run.exit_code, t.exit_code);
  EXPECT_EQ(run.err, "") << "nothing may be written to standard error";
}

// The commands that are answered, and their exact texts.
INSTANTIATE_TEST_SUITE_P(Replies, TranscriptTest, testing::Values(
    Transcript{"Uci", "uci\n", kUciReply, 0},
    Transcript{"Isready", "isready\n", kReady, 0},
    Transcript{"UciTwice", "uci\nuci\n", kUciReply + kUciReply, 0},
    Transcript{"IsreadyBeforeAndAfterUci", "isready\nuci\nisready\n", kReady + kUciReply + kReady, 0},
    Transcript{"NoInput", "", "", 0}),
    Case_name<Transcript>);

// Lines that match no command, each answered with the warning; the loop goes on.
INSTANTIATE_TEST_SUITE_P(Unknown, TranscriptTest, testing::Values(
    Transcript{"Word", "hello\nisready\n", kUnknown + kReady, 0},
    Transcript{"EmptyLine", "\nisready\n", kUnknown + kReady, 0},
    Transcript{"UciWithBlank", "uci \n", kUnknown, 0},
    Transcript{"QuitWithBlank", "quit \nisready\n", kUnknown + kReady, 0},
    Transcript{"IsreadyWithBlank", "isready \n", kUnknown, 0},
    Transcript{"PositionAlone", "position\n", kUnknown, 0},
    Transcript{"DebugAlone", "debug\n", kUnknown, 0},
    Transcript{"UpperCase", "UCI\nIsReady\nQUIT\n", kUnknown + kUnknown + kUnknown, 0},
    Transcript{"LeadingBlank", " uci\n", kUnknown, 0},
    Transcript{"LongerWords", "ucinewgames\nstopped\nponderhit \nquitting\n", Repeat(kUnknown, 4), 0},
    Transcript{"SetoptionWithoutBlank", "setoption\n", kUnknown, 0}),
    Case_name<Transcript>);

// Commands that are accepted silently once the engine is set up.
INSTANTIATE_TEST_SUITE_P(Silent, TranscriptTest, testing::Values(
    Transcript{"DebugOn", "uci\ndebug on\n", kUciReply, 0},
    Transcript{"DebugOff", "uci\ndebug off\n", kUciReply, 0},
    Transcript{"Stop", "uci\nstop\n", kUciReply, 0},
    Transcript{"Ponderhit", "uci\nponderhit\n", kUciReply, 0},
    Transcript{"Ucinewgame", "uci\nucinewgame\n", kUciReply, 0},
    Transcript{"OtherOption", "uci\nsetoption name Foo value 3\n", kUciReply, 0},
    Transcript{"HashOption", "uci\nsetoption name Hash value 64\nisready\n", kUciReply + kReady, 0},
    Transcript{"HashMinusOne", "uci\nsetoption name Hash value -1\n", kUciReply, 0},
    Transcript{"HashResizedTwice", "uci\nsetoption name Hash value 4096\nsetoption name Hash value 0\nucinewgame\n",
               kUciReply, 0},
    Transcript{"PositionWithBlank", "position \n", "", 0},
    Transcript{"PositionStartpos", "position startpos\n", "", 0}),
    Case_name<Transcript>);

// "quit" ends the process with 1 and nothing after it is looked at.
INSTANTIATE_TEST_SUITE_P(Quit, TranscriptTest, testing::Values(
    Transcript{"Alone", "quit\n", "", 1},
    Transcript{"LaterLinesIgnored", "uci\nquit\nisready\nhello\n", kUciReply, 1},
    Transcript{"BeforeAnything", "quit\nuci\n", "", 1},
    Transcript{"WithoutLineFeed", "isready\nquit", kReady, 1},
    Transcript{"WithCarriageReturn", "quit\r\nisready\n", "", 1}),
    Case_name<Transcript>);

// Line ends: a missing last line feed and a carriage return before it.
INSTANTIATE_TEST_SUITE_P(LineEnds, TranscriptTest, testing::Values(
    Transcript{"LastLineWithoutLineFeed", "uci\nisready", kUciReply + kReady, 0},
    Transcript{"UnknownWithoutLineFeed", "hello", kUnknown, 0},
    Transcript{"CarriageReturnUci", "uci\r\n", kUciReply, 0},
    Transcript{"CarriageReturnIsready", "isready\r\n", kReady, 0},
    Transcript{"CarriageReturnWithoutLineFeed", "isready\r", kReady, 0},
    Transcript{"CarriageReturnOnly", "\r\nisready\r\n", kUnknown + kReady, 0},
    Transcript{"CarriageReturnSilent", "uci\r\nstop\r\nponderhit\r\nucinewgame\r\n", kUciReply, 0},
    Transcript{"OnlyLastCarriageReturnDropped", "isready\r\r\n", kUnknown, 0}),
    Case_name<Transcript>);

// The longest line is 65,535 characters; a longer one ends the program unhandled.
INSTANTIATE_TEST_SUITE_P(LineLength, TranscriptTest, testing::Values(
    Transcript{"LongestLineHandled", std::string(65535, 'x') + "\nisready\n", kUnknown + kReady, 0},
    Transcript{"LongestLineWithCarriageReturn", std::string(65535, 'x') + "\r\nisready\n", kUnknown + kReady, 0},
    Transcript{"LongestLineAtEndOfInput", std::string(65535, 'x'), kUnknown, 0},
    Transcript{"TooLongLineEnds", "isready\n" + std::string(65536, 'x') + "\nisready\nquit\n", kReady, 0},
    Transcript{"TooLongLineAtEndOfInput", std::string(65536, 'x'), "", 0},
    Transcript{"TooLongWithCarriageReturn", std::string(65536, 'x') + "\r\nisready\n", "", 0},
    Transcript{"FarTooLong", std::string(300000, 'x') + "\nisready\n", "", 0},
    Transcript{"TooLongCommandNotHandled", "isready" + std::string(65529, ' ') + "\nisready\n", "", 0}),
    Case_name<Transcript>);

// The "position" command: only the move warnings are ever written.
INSTANTIATE_TEST_SUITE_P(Position, TranscriptTest, testing::Values(
    Transcript{"LegalMoves", "position startpos moves e2e4 e7e5\n", "", 0},
    Transcript{"BadMoveThenStillWhite", "position startpos moves e2e5 e7e5\n", kMovesError + kMovesError, 0},
    Transcript{"ShortTokenAtEnd", "position startpos moves e2e4 e7\n", kMovesError, 0},
    Transcript{"PromotionLetterOnPawnStep", "position startpos moves e2e4r\n", kMovesError, 0},
    // The knight from e8 can go on to g7; a queen could not.
    Transcript{"KnightPromotionPlayed", "position fen 7k/4P3/8/8/8/8/8/4K3 w - - 0 1 moves e7e8n h8h7 e8g7\n", "", 0},
    Transcript{"QueenPromotionPlayed", "position fen 7k/4P3/8/8/8/8/8/4K3 w - - 0 1 moves e7e8 h8h7 e8g7\n",
               kMovesError, 0},
    Transcript{"TruncatedFen", "position fen 8/8\nisready\n", kReady, 0},
    Transcript{"GarbageFen", "position fen ~~~!!!///###@@@ zz QQ !! moves zzzz\nisready\n", kMovesError + kReady, 0},
    // 24 characters of command, 13,102 tokens "e2e5 " and one "e": exactly 65,535 characters, every token refused.
    Transcript{"LongestMovesLine", "position startpos moves " + Repeat("e2e5 ", 13102) + "e\nisready\n",
               Repeat(kMovesError, 13103) + kReady, 0},
    Transcript{"TooLongMovesLine", "position startpos moves " + Repeat("e2e5 ", 13102) + "e2\nisready\n", "", 0}),
    Case_name<Transcript>);

}  // namespace
