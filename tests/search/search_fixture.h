// A position ready for the searches: keys and evaluation set up, an empty
// table, material and key computed, and a search path whose keys repeat nothing.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "board/board_check.h"
#include "board/board_fixtures.h"
#include "eval/eval_tables.h"
#include "eval/evaluate.h"
#include "hash/hash_table.h"
#include "hash/keys.h"
#include "protocol/go.h"
#include "protocol/poll.h"
#include "protocol/position.h"
#include "search/ordering.h"
#include "search/pv.h"
#include "search/search_values.h"

class SearchTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    Init_keys();
    Init_eval_tables();
    Init_hash();
    // The test's own standard input is no business of these searches.
    poll_reads_input = false;
  }

  // Sets up `fen` as the position at `ply` of the search path.
  Board& Position(const std::string& fen, int ply = 0) {
    board = Board_from(fen);
    board.eval = Material_balance(board);
    Full_key(board);
    for (int k = 0; k < PATH_KEYS; ++k) path_keys[k] = 0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(k + 1);
    path_keys[ply] = board.hash_key;
    game_key_count = 0;
    game_keys[0] = 0x1234;
    Clear_hash();
    Clear_killers();
    control.poll_count = 0;
    control.stop = 0;
    control.nodes = 0;
    control.iteration_depth = ply + 4;
    control.abort_time = -50;
    return board;
  }

  // What Check_board reports between `before` and the live board: empty when they are equal.
  std::string Differences(const Board& before) const {
    testing::internal::CaptureStdout();
    Check_board(before, board);
    return testing::internal::GetCapturedStdout();
  }

  Board board{};
  SearchControl& control = search_control;
};
