// Move-path enumeration (perft) over the engine's own generators, move maker
// and check test: the same path the search takes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/move.h"

// Number of legal move paths of `depth` plies from the board's position.
std::uint64_t Perft(Board& board, int depth);

struct RootCount {
  Move move;
  std::uint64_t nodes;
};

// Perft split by the legal root moves, in generation order.
std::vector<RootCount> Perft_divide(Board& board, int depth);

// Sets the board from a bare FEN record through the engine's FEN reader.
void Set_fen(Board& board, const std::string& fen);

// One line of a perft suite: "FEN ;D1 n ;D2 n ...".
struct SuiteCase {
  std::string fen;
  std::vector<std::pair<int, std::uint64_t>> expected;  // (depth, count)
};

// Parses a suite line; false for a line without a FEN.
bool Parse_suite_line(const std::string& line, SuiteCase& out);
