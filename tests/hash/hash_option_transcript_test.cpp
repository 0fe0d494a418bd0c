// The Hash option through the real engine.
#include <gtest/gtest.h>

#include "protocol/engine_process.h"

namespace {

const std::string uci_reply =
    "id name Talvex_j2_6_Beta_26_12_2009\nid author Quillon88\n"
    "option name Hash type spin default 1 min 1 max 1024\nuciok \n";

}  // namespace

TEST(HashOption, BeforeTheFirstUciEndsTheEngineWithItsMessage) {
  const EngineRun run = Run_engine("setoption name Hash value 64\nisready\n");
  EXPECT_EQ(run.out, "\xEE\xF1\xE2\xEE\xE1\xEE\xE6\xE4\xE0\xF2\xFC\x20\xED\xE5\xF7\xE5\xE3\xEE\x20\n");
  EXPECT_EQ(run.exit_code, 1);
}

TEST(HashOption, AfterUciResizesSilently) {
  struct Case {
    const char* input;
    const char* output_after_uci;
  };
  const Case cases[] = {
      {"setoption name Hash value 64\nisready\n", "readyok \n\n"},
      {"setoption name Hash value -1\nisready\n", "readyok \n\n"},
      {"setoption name Hash value 4096\nsetoption name Hash value 0\nucinewgame\nisready\n", "readyok \n\n"},
      {"setoption name Hash value 64\nuci\n", "id name Talvex_j2_6_Beta_26_12_2009\nid author Quillon88\n"
                                             "option name Hash type spin default 1 min 1 max 1024\nuciok \n"},
  };
  for (const Case& c : cases) {
    const EngineRun run = Run_engine("uci\n" + std::string(c.input));
    EXPECT_EQ(run.out, uci_reply + c.output_after_uci) << c.input;
    EXPECT_EQ(run.exit_code, 0) << c.input;
  }
}

TEST(HashOption, NewGameAndQuitWithoutATable) {
  const EngineRun run = Run_engine("ucinewgame\nisready\nquit\n");
  EXPECT_EQ(run.out, "readyok \n\n");
  EXPECT_EQ(run.exit_code, 1);
}
