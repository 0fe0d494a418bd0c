// The bench's node count is the search's signature: it changes only when the
// search's behaviour changes, and then this figure is updated on purpose.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "protocol/engine_process.h"

namespace {

constexpr unsigned long long kSignature = 5102582;

TEST(Bench, NodeSignatureAtTheDefaultDepth) {
  const EngineRun run = Run_program(TALVEX_BENCH_PATH, "", 600000);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  std::smatch m;
  ASSERT_TRUE(std::regex_search(run.out, m,
                                std::regex("\nbench: positions (\\d+) depth (\\d+) nodes (\\d+) qnodes (\\d+) ms \\d+ nps \\d+\n$")))
      << run.out.substr(run.out.size() > 500 ? run.out.size() - 500 : 0);
  EXPECT_EQ(m[1], "18");
  EXPECT_EQ(m[2], "8");
  EXPECT_EQ(std::stoull(m[3]), kSignature);
  EXPECT_EQ(run.out.find("ERROR"), std::string::npos);
  EXPECT_EQ(run.out.find("white test_"), std::string::npos);
}

}  // namespace
