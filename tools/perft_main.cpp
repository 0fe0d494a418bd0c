// talvex-perft DEPTH [FEN]            counts per root move, then "nodes N"
// talvex-perft --suite FILE [--max-depth D]   checks an EPD suite of expected counts
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "board/move.h"
#include "eval/eval_tables.h"
#include "perft.h"

namespace {

constexpr char start_fen[] = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

int Usage() {
  std::fprintf(stderr, "usage: talvex-perft DEPTH [FEN]\n       talvex-perft --suite FILE [--max-depth D]\n");
  return 2;
}

int Run_suite(const char* path, int max_depth) {
  std::ifstream file(path);
  if (!file) {
    std::fprintf(stderr, "talvex-perft: cannot read %s\n", path);
    return 2;
  }
  int passed = 0, failed = 0;
  std::string line;
  const auto start = std::chrono::steady_clock::now();
  std::uint64_t total = 0;
  while (std::getline(file, line)) {
    SuiteCase test;
    if (!Parse_suite_line(line, test)) continue;
    bool ok = true;
    for (const auto& [depth, expected] : test.expected) {
      if (depth > max_depth) continue;
      Board board;
      Set_fen(board, test.fen);
      const std::uint64_t found = Perft(board, depth);
      total += found;
      if (found != expected) {
        std::printf("FAIL %s depth %d expected %llu found %llu\n", test.fen.c_str(), depth,
                    static_cast<unsigned long long>(expected), static_cast<unsigned long long>(found));
        ok = false;
        break;
      }
    }
    ok ? ++passed : ++failed;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d passed, %d failed\n", passed, failed);
  std::fflush(stdout);
  std::fprintf(stderr, "time %.3f s, %.2f Mnps\n", seconds, seconds > 0 ? static_cast<double>(total) / seconds / 1e6 : 0.0);
  return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  Init_eval_tables();
  if (argc < 2) return Usage();
  const std::string first = argv[1];
  if (first == "--suite") {
    if (argc < 3) return Usage();
    int max_depth = 99;
    if (argc >= 5 && std::string(argv[3]) == "--max-depth") max_depth = std::atoi(argv[4]);
    return Run_suite(argv[2], max_depth);
  }
  const int depth = std::atoi(argv[1]);
  if (depth < 1) return Usage();
  std::string fen = start_fen;
  if (argc >= 3) {
    fen.clear();
    for (int i = 2; i < argc; ++i) {
      if (i > 2) fen += ' ';
      fen += argv[i];
    }
  }
  Board board;
  Set_fen(board, fen);
  const auto start = std::chrono::steady_clock::now();
  std::uint64_t total = 0;
  for (const RootCount& root : Perft_divide(board, depth)) {
    char text[8];
    Move_to_text(root.move, text);
    std::printf("%s: %llu\n", text, static_cast<unsigned long long>(root.nodes));
    total += root.nodes;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("nodes %llu\n", static_cast<unsigned long long>(total));
  std::fflush(stdout);
  std::fprintf(stderr, "time %.3f s, %.2f Mnps\n", seconds, seconds > 0 ? static_cast<double>(total) / seconds / 1e6 : 0.0);
  return 0;
}
