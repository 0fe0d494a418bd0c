// The driver in-process: its set-up and what "go" counts.
#include "search/deepening.h"

#include <gtest/gtest.h>

#include <cstring>

#include "protocol/uci.h"
#include "search_fixture.h"

namespace {

class DeepeningTest : public SearchTest {
 protected:
  std::string Go(const char* line) {
    std::strcpy(command_line, line);
    testing::internal::CaptureStdout();
    Go_command(board);
    return testing::internal::GetCapturedStdout();
  }
};

TEST_F(DeepeningTest, EveryGoCountsTheTablesAge) {
  Position("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
  hash_age = 0;
  Go("go depth 2");
  Go("go depth 0");
  Go("go");
  EXPECT_EQ(hash_age, 3);
}

TEST_F(DeepeningTest, MaterialAndKeyAreTakenAfreshAtEveryGo) {
  Position("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
  board.eval = 12345;  // a stale running total must not trip the self-checks
  board.hash_key ^= 99;
  const std::string out = Go("go depth 3");
  EXPECT_EQ(out.find("ERROR"), std::string::npos) << out;
  EXPECT_EQ(board.eval, Material_balance(board));
  const std::uint64_t key = board.hash_key;
  Full_key(board);
  EXPECT_EQ(board.hash_key, key);
  EXPECT_EQ(path_keys[0], key);
}

TEST_F(DeepeningTest, TheBestMoveAndItsLineAgree) {
  Position("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
  const std::string out = Go("go depth 4");
  EXPECT_EQ(out.find("ERROR"), std::string::npos) << out;
  EXPECT_EQ(control.best_from, Move_from(best_line.move[0]));
  EXPECT_EQ(control.best_to, Move_to(best_line.move[0]));
  EXPECT_NE(out.find("\nbestmove " + Text_of(best_line.move[0]) + "\n"), std::string::npos) << out;
}

}  // namespace
