// Searches through the built engine: what "go" writes, how the search ends,
// and what it does with commands that arrive while it runs.
#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "protocol/engine_process.h"

namespace {

const std::string kSetup = "uci\nisready\n";
const std::string kReady = "readyok \n\n";

// Output after the set-up replies.
std::string After_setup(const std::string& out) {
  const std::size_t at = out.find(kReady);
  return at == std::string::npos ? out : out.substr(at + kReady.size());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The iteration lines ("info  nps ..."), in order.
std::vector<std::string> Iteration_lines(const std::string& out) {
  std::vector<std::string> found;
  for (const std::string& line : Lines(out))
    if (line.rfind("info  nps ", 0) == 0) found.push_back(line);
  return found;
}

// The iteration line with its rate replaced by N, which depends on the clock.
std::string Without_rate(const std::string& line) { return std::regex_replace(line, std::regex("^info  nps \\d+ "), "info  nps N "); }

std::string Search_output(const std::string& position, const std::string& go) {
  const EngineRun run = Run_engine(kSetup + position + "\n" + go + "\n");
  EXPECT_FALSE(run.timed_out);
  EXPECT_EQ(run.exit_code, 0);
  return After_setup(run.out);
}

TEST(GoDepth, OneIterationFromTheStartThenItsMove) {
  const std::string out = Search_output("position startpos", "go depth 1");
  const std::vector<std::string> lines = Lines(out);
  // Every root move announced in turn, each followed by its report or an empty line.
  const std::regex currmove("info currmove [a-h][1-8][a-h][1-8] currmovenumber (\\d+) depth 1");
  const std::regex report("info  depth 1 seldepth 1 score cp -?\\d+ nodes \\d+ pv [a-h][1-8][a-h][1-8]   ?");
  int announced = 0;
  std::size_t i = 0;
  for (; i + 1 < lines.size() && std::regex_match(lines[i], currmove); i += 2) {
    ++announced;
    EXPECT_NE(lines[i].find(" currmovenumber " + std::to_string(announced) + " "), std::string::npos) << lines[i];
    EXPECT_TRUE(lines[i + 1].empty() || std::regex_match(lines[i + 1], report)) << lines[i + 1];
  }
  EXPECT_EQ(announced, 20);
  ASSERT_EQ(lines.size(), i + 2) << out;
  std::smatch m;
  ASSERT_TRUE(std::regex_match(lines[i], m, std::regex("info  nps (\\d+) depth 1 score cp -?\\d+ nodes 20 pv ([a-h][1-8][a-h][1-8]) ")))
      << lines[i];
  EXPECT_EQ(m[1], "2000");  // 20 nodes over the 0.01 s floor
  EXPECT_EQ(lines[i + 1], "bestmove " + m[2].str());
}

TEST(GoDepth, BelowOneRunsNoIterationAndNamesTheFirstLegalMove) {
  // The bishop comes first in the list but is pinned: the king's first move is named.
  EXPECT_EQ(Search_output("position fen 4r2k/8/8/8/8/8/4B3/4K3 w - - 0 1", "go depth 0"), "bestmove e1d1\n");
  EXPECT_EQ(Search_output("position startpos", "go depth -3"), "bestmove b1a3\n");
  // A search before does not leave its move behind.
  const EngineRun run = Run_engine(kSetup + "position startpos\ngo depth 2\nposition fen 4r2k/8/8/8/8/8/4B3/4K3 w - - 0 1\ngo depth 0\n");
  EXPECT_EQ(run.out.substr(run.out.size() - 14), "bestmove e1d1\n");
}

TEST(GoDepth, NoLimitSearchesOneIteration) {
  EXPECT_EQ(Iteration_lines(Search_output("position startpos", "go")).size(), 1u);
  EXPECT_EQ(Iteration_lines(Search_output("position startpos", "go depth 3")).size(), 3u);
  // A keyword without its value at the end of the line changes nothing.
  EXPECT_EQ(Iteration_lines(Search_output("position startpos", "go depth")).size(), 1u);
  EXPECT_EQ(Iteration_lines(Search_output("position startpos", "go ponder searchmoves e2e4 nodes 5 mate 3 winc 1000 movestogo 10")).size(), 1u);
}

struct MateCase {
  const char* name;
  const char* position;
  std::vector<std::string> iterations;  // without their rates
  const char* bestmove;
};

void PrintTo(const MateCase& c, std::ostream* os) { *os << c.name; }

class MateReports : public testing::TestWithParam<MateCase> {};

TEST_P(MateReports, InFullMovesAndTheSearchEndsThere) {
  const MateCase& c = GetParam();
  const std::string out = Search_output(c.position, "go depth 6");
  std::vector<std::string> iterations;
  for (const std::string& line : Iteration_lines(out)) iterations.push_back(Without_rate(line));
  EXPECT_EQ(iterations, c.iterations) << out;
  EXPECT_EQ(Lines(out).back(), c.bestmove);
  EXPECT_EQ(out.find("ERROR"), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(
    Mates, MateReports,
    testing::Values(
        MateCase{"WhiteMatesInOne", "position fen r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4",
                 {"info  nps N depth 1 score mate 1 nodes 45 pv h5f7 "}, "bestmove h5f7"},
        MateCase{"WhiteMatesInTwo", "position fen k7/8/1K6/8/8/8/8/1Q6 w - - 0 1",
                 {"info  nps N depth 1 score cp 1210 nodes 28 pv b6c5 ", "info  nps N depth 2 score mate 2 nodes 189 pv b1a1 a8b8 a1h8 "},
                 "bestmove b1a1"},
        MateCase{"BlackMatesInTwo", "position fen 1q6/8/8/8/8/1k6/8/K7 b - - 0 1",
                 {"info  nps N depth 1 score cp 1210 nodes 28 pv b3c3 ", "info  nps N depth 2 score mate 2 nodes 183 pv b8a8 a1b1 a8h1 "},
                 "bestmove b8a8"},
        MateCase{"BlackIsMatedInOne", "position fen k7/8/1K6/8/8/8/8/Q7 b - - 0 1",
                 {"info  nps N depth 1 score cp -1205 nodes 1 pv a8b8 ", "info  nps N depth 2 score mate -1 nodes 30 pv a8b8 a1h8 "},
                 "bestmove a8b8"},
        MateCase{"MatedRootHasNoMove", "position fen 6k1/5ppp/8/8/8/8/5PPP/3r2K1 w - - 0 1",
                 {"info  nps N depth 1 score mate 0 nodes 0 pv "}, "bestmove 0000"},
        MateCase{"StalemateRootHasNoMove", "position fen 7k/5Q2/6K1/8/8/8/8/8 b - - 0 1",
                 {"info  nps N depth 1 score cp 0 nodes 0 pv ", "info  nps N depth 2 score cp 0 nodes 0 pv ",
                  "info  nps N depth 3 score cp 0 nodes 0 pv ", "info  nps N depth 4 score cp 0 nodes 0 pv ",
                  "info  nps N depth 5 score cp 0 nodes 0 pv ", "info  nps N depth 6 score cp 0 nodes 0 pv "},
                 "bestmove 0000"}),
    [](const testing::TestParamInfo<MateCase>& param_info) { return std::string(param_info.param.name); });

TEST(GoTime, ZeroMoveTimeEndsAfterTheSecondIteration) {
  EXPECT_EQ(Iteration_lines(Search_output("position startpos", "go movetime 0")).size(), 2u);
  EXPECT_EQ(Iteration_lines(Search_output("position startpos", "go wtime 0 btime 100000")).size(), 2u);
  // Only the side to move's clock counts: Black's empty clock leaves White unhurried at depth 2.
  const std::string out = Search_output("position startpos", "go wtime 1000000 btime 0 depth 2");
  EXPECT_GT(Iteration_lines(out).size(), 2u);
}

TEST(ReportLine, ARepeatedValueAndDepthWritesOneLineFeed) {
  // The second search's first best line repeats the last one reported.
  const EngineRun run = Run_engine(kSetup + "position startpos\ngo depth 1\ngo depth 1\n");
  const std::string second = run.out.substr(run.out.find("bestmove"));
  EXPECT_EQ(second.find("info  depth"), std::string::npos) << second;
  EXPECT_NE(second.find("currmovenumber 1 depth 1\n\ninfo currmove"), std::string::npos) << second;
}

TEST(GoBeforeUci, SearchesWithoutATable) {
  const EngineRun run = Run_engine("position startpos moves e2e4\ngo depth 3\nisready\ngo depth 2\n");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(Iteration_lines(run.out).size(), 5u);
  EXPECT_EQ(run.out.find("ERROR"), std::string::npos) << run.out;
  EXPECT_TRUE(std::regex_search(run.out, std::regex("bestmove [a-h][1-8][a-h][1-8]\n$")));
}

// A long search to interrupt, and the engine that runs it.
class DuringSearch : public testing::Test {
 protected:
  void Start(const std::string& position = "position startpos") {
    ASSERT_TRUE(engine.started());
    engine.Send(kSetup + position + "\ngo infinite\n");
    // Deep enough that the search is well under way.
    ASSERT_TRUE(engine.Read_until("currmovenumber 1 depth 8\n")) << engine.out;
  }
  // The search's last lines: its final iteration line, then "bestmove" naming
  // that line's first move; false when they are not there.
  static bool Ends_with_iteration_and_bestmove(const std::string& out) {
    static const std::regex ending("\ninfo  nps \\d+ depth \\d+ score cp -?\\d+ nodes \\d+ pv ([a-h][1-8][a-h][1-8]) (\\S+ )*\nbestmove ([a-h][1-8][a-h][1-8])\n");
    std::smatch m;
    return std::regex_search(out, m, ending) && m[1] == m[3];
  }
  EngineSession engine;
};

TEST_F(DuringSearch, StopEndsItWithTheIterationLineAndBestmove) {
  Start();
  const std::size_t sent = engine.out.size();
  engine.Send("stop\n");
  ASSERT_TRUE(engine.Read_until("bestmove ", sent)) << engine.out.substr(sent);
  engine.Send("isready\n");
  ASSERT_TRUE(engine.Read_until(kReady, sent));
  engine.Close_input();
  EXPECT_EQ(engine.Wait_exit(), 0);
  const std::string tail = engine.out.substr(sent);
  EXPECT_TRUE(Ends_with_iteration_and_bestmove(tail)) << tail;
  // After "bestmove" the engine answers the next command, and nothing else.
  const std::size_t after_bestmove = tail.find('\n', tail.find("\nbestmove ") + 1) + 1;
  EXPECT_EQ(tail.substr(after_bestmove), kReady) << tail;
  EXPECT_EQ(engine.out.find("ERROR"), std::string::npos);
  EXPECT_EQ(engine.out.find("white test_"), std::string::npos);
}

TEST_F(DuringSearch, StopFromAWindowsGuiWithCarriageReturn) {
  Start();
  const std::size_t sent = engine.out.size();
  engine.Send("stop\r\n");
  EXPECT_TRUE(engine.Read_until("bestmove ", sent));
}

TEST_F(DuringSearch, AStopWithATrailingBlankIsDropped) {
  Start();
  const std::size_t sent = engine.out.size();
  engine.Send("stop \n");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(engine.Read_until("bestmove", sent, 200));
  engine.Send("stop\n");
  EXPECT_TRUE(engine.Read_until("bestmove", sent));
}

TEST_F(DuringSearch, QuitEndsTheProcessWithoutBestmove) {
  Start();
  engine.Send("quit\n");
  EXPECT_EQ(engine.Wait_exit(), 1);
  EXPECT_EQ(engine.out.find("bestmove"), std::string::npos);
}

TEST_F(DuringSearch, EndOfInputEndsItWithBestmoveAndExitZero) {
  Start();
  const std::size_t sent = engine.out.size();
  engine.Close_input();
  EXPECT_EQ(engine.Wait_exit(), 0);
  EXPECT_TRUE(std::regex_search(engine.out.substr(sent), std::regex("\nbestmove [a-h][1-8][a-h][1-8]\n$")));
}

TEST_F(DuringSearch, IsreadyIsAnsweredAndTheSearchGoesOn) {
  Start();
  const std::size_t sent = engine.out.size();
  engine.Send("isready\n");
  ASSERT_TRUE(engine.Read_until(kReady, sent));
  EXPECT_EQ(engine.out.find("bestmove", sent), std::string::npos);
  // Other commands are dropped, and the search still obeys "stop".
  engine.Send("position fen 8/8/8/4k3/8/8/4P3/4K3 w - - 0 1\ngo depth 1\nucinewgame\n");
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  engine.Send("stop\n");
  ASSERT_TRUE(engine.Read_until("bestmove ", sent));
  engine.Close_input();
  EXPECT_EQ(engine.Wait_exit(), 0);
  const std::string tail = engine.out.substr(sent);
  EXPECT_TRUE(Ends_with_iteration_and_bestmove(tail)) << tail;
  EXPECT_EQ(tail.find("bestmove"), tail.rfind("bestmove")) << tail;
}

TEST_F(DuringSearch, AStopWhileLosingKeepsTheBestSearchedMove) {
  // White is a rook down: every root move is worth well below 0. A stopped
  // iteration must not put forward a move whose search was cut short.
  Start("position fen r3k3/pppp4/8/8/8/8/PPPP4/4K3 w - - 0 1");
  const std::size_t sent = engine.out.size();
  engine.Send("stop\n");
  ASSERT_TRUE(engine.Read_until("bestmove ", sent));
  const std::vector<std::string> iterations = Iteration_lines(engine.out);
  ASSERT_GE(iterations.size(), 2u);
  std::smatch last, before;
  const std::regex score(" score cp (-?\\d+) ");
  ASSERT_TRUE(std::regex_search(iterations.back(), last, score)) << iterations.back();
  ASSERT_TRUE(std::regex_search(iterations[iterations.size() - 2], before, score));
  EXPECT_LT(std::stoi(last[1]), -200) << iterations.back();
  EXPECT_LT(std::stoi(before[1]), -200);
  EXPECT_EQ(engine.out.find("ERROR"), std::string::npos) << engine.out.substr(sent);
}

}  // namespace
