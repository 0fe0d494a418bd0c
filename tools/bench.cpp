// talvex-bench [DEPTH]: the engine's own search ("go depth DEPTH") over a fixed
// set of positions, each with an empty table. The engine's output of those
// searches goes to standard output, followed by the summary line
//   bench: positions P depth D nodes N qnodes Q ms T nps X
// N is the sum of the node counts of every iteration line, Q the quiescence
// nodes, and X = (N + Q) per second. N at the default depth is the search's
// signature: any change in it is a change of search behaviour.
// talvex-bench --positions lists the positions as "position" commands.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "board/board.h"
#include "protocol/output.h"
#include "protocol/poll.h"
#include "protocol/uci.h"
#include "search/deepening.h"
#include "search/quiesce.h"

namespace {

constexpr int DEFAULT_DEPTH = 8;

// Openings, middlegames with tactics, endgames, promotions, checks, mates and repetitions.
constexpr const char* positions[] = {
    "position startpos",
    "position startpos moves e2e4 e7e5 g1f3 b8c6 f1c4 f8c5",
    "position startpos moves e2e4 c7c5 g1f3 d7d6 d2d4 c5d4 f3d4 g8f6 b1c3 a7a6",
    "position startpos moves d2d4 g8f6 c2c4 e7e6 b1c3 f8b4 e2e3 e8g8",
    // A game that has already been through its position twice.
    "position startpos moves g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8",
    "position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "position fen r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "position fen rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
    "position fen r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "position fen r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1",
    // Black in check.
    "position fen rnbqkbnr/ppp2ppp/8/1B1pp3/4P3/8/PPPP1PPP/RNBQK1NR b KQkq - 1 3",
    // White mates at once.
    "position fen r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4",
    "position fen 8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "position fen 8/8/8/4k3/8/8/4P3/4K3 w - - 0 1",
    "position fen 1K1k4/1P6/8/8/8/8/r7/2R5 w - - 0 1",
    "position fen 8/P7/8/8/8/8/p7/K6k w - - 0 1",
    "position fen 8/8/8/3k4/8/8/8/3QK3 b - - 0 1",
    "position fen 6k1/5ppp/8/8/8/1q6/5PPP/2R3K1 b - - 0 1",
};

void Send(const char* line) {
  std::strncpy(command_line, line, MAX_LINE_LENGTH);
  command_line[MAX_LINE_LENGTH] = '\0';
  Dispatch(bitboard);
}

}  // namespace

int main(int argc, char** argv) {
  // The positions, one "position" command a line, for running other engines on them.
  if (argc > 1 && std::strcmp(argv[1], "--positions") == 0) {
    for (const char* position : positions) std::printf("%s\n", position);
    return 0;
  }
  const int depth = argc > 1 ? std::atoi(argv[1]) : DEFAULT_DEPTH;
  if (depth < 1) {
    std::fprintf(stderr, "usage: talvex-bench [DEPTH]   (DEPTH at least 1, default %d)\n       talvex-bench --positions\n", DEFAULT_DEPTH);
    return 2;
  }
  Output_init();
  poll_reads_input = false;
  Send("uci");
  Send("isready");
  char go[32];
  std::snprintf(go, sizeof go, "go depth %d", depth);

  const auto start = std::chrono::steady_clock::now();
  for (const char* position : positions) {
    Send("ucinewgame");
    Send(position);
    Send(go);
  }
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  const unsigned long long nodes = search_totals.iteration_nodes;
  const unsigned long long qnodes = quiesce_nodes;
  const unsigned long long nps = ms > 0 ? (nodes + qnodes) * 1000ULL / static_cast<unsigned long long>(ms) : 0;
  std::printf("bench: positions %zu depth %d nodes %llu qnodes %llu ms %lld nps %llu\n", std::size(positions), depth,
              nodes, qnodes, static_cast<long long>(ms), nps);
  return 0;
}
