// Cost of one static evaluation, over middle-game and end-game positions.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "board/board.h"
#include "eval/eval_tables.h"
#include "eval/evaluate.h"
#include "protocol/position.h"

namespace {

const char* const middle_games[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "r2q1rk1/pp2bppp/2n1pn2/3p4/3P4/2NBPN2/PP3PPP/R2Q1RK1 w - - 0 10",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "2kr3r/ppp2ppp/2n5/3q4/3P4/2P2N2/PP3PPP/R2QR1K1 w - - 0 14",
};
const char* const end_games[] = {
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "8/5k2/3p4/2pP4/2P5/4K3/8/8 w - - 0 50",
    "6k1/5p2/6p1/8/3R4/5KP1/r4P2/8 w - - 0 40",
    "8/pp3k2/2p5/8/3P4/5K2/PP6/8 w - - 0 35",
};

std::vector<Board> Boards(const char* const* fens, std::size_t count) {
  std::vector<Board> boards(count);
  for (std::size_t i = 0; i < count; ++i) {
    boards[i] = Board{};
    Read_fen(boards[i], ("fen " + std::string(fens[i]) + " ").c_str());
  }
  return boards;
}

// Evaluates the positions in turn; one iteration is one call.
void Run(benchmark::State& state, const std::vector<Board>& boards) {
  Init_eval_tables();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Evaluate(boards[i]));
    if (++i == boards.size()) i = 0;
  }
}

void BM_Evaluate_middle_game(benchmark::State& state) {
  static const auto boards = Boards(middle_games, std::size(middle_games));
  Run(state, boards);
}

void BM_Evaluate_end_game(benchmark::State& state) {
  static const auto boards = Boards(end_games, std::size(end_games));
  Run(state, boards);
}

void BM_Evaluate_one_position(benchmark::State& state) {
  static const auto boards = [] {
    auto all = Boards(middle_games, std::size(middle_games));
    for (const auto& b : Boards(end_games, std::size(end_games))) all.push_back(b);
    return all;
  }();
  Run(state, {boards[static_cast<std::size_t>(state.range(0))]});
}

}  // namespace

BENCHMARK(BM_Evaluate_middle_game);
BENCHMARK(BM_Evaluate_end_game);
BENCHMARK(BM_Evaluate_one_position)->DenseRange(0, 9);

BENCHMARK_MAIN();
