// Cost of one static evaluation over middlegame and endgame positions.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "eval/eval_tables.h"
#include "eval/evaluate.h"
#include "protocol/position.h"

namespace {

const char* const middlegames[] = {
    "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq -",
    "r2q1rk1/pp2bppp/2n1pn2/3p4/3P4/2NBPN2/PP3PPP/R2Q1RK1 w - -",
    "2r2rk1/1b2qppp/p2p1n2/1p2p3/4P3/1BN1QP2/PPP3PP/2KR3R w - -",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - -",
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",
};
const char* const endgames[] = {
    "8/5pk1/6p1/3P4/2K5/8/6P1/8 w - -",
    "4k3/2p5/8/3P4/8/8/5PP1/3K4 w - -",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -",
    "3rk3/1p3p2/8/8/8/8/1P3P2/3RK3 w - -",
};

std::vector<Board> Boards(const char* const* fens, int count) {
  std::vector<Board> boards;
  for (int i = 0; i < count; ++i) {
    Board board{};
    Read_fen(board, ("fen " + std::string(fens[i]) + " ").c_str());
    boards.push_back(board);
  }
  return boards;
}

void Run(benchmark::State& state, const std::vector<Board>& boards) {
  Init_eval_tables();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Evaluate(boards[i]));
    i = i + 1 == boards.size() ? 0 : i + 1;
  }
}

void Evaluate_middlegame(benchmark::State& state) { Run(state, Boards(middlegames, 6)); }
void Evaluate_endgame(benchmark::State& state) { Run(state, Boards(endgames, 4)); }

}  // namespace

BENCHMARK(Evaluate_middlegame);
BENCHMARK(Evaluate_endgame);
BENCHMARK_MAIN();
