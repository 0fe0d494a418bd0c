#include "perft.h"

#include <sstream>

#include "board/make_move_inline.h"
#include "board/movegen.h"
#include "protocol/position.h"

namespace {

template <Colour C>
std::uint64_t Perft_of(Board& board, int depth) {
  constexpr Colour them = C == White ? Black : White;
  MoveList list;
  Generate_captures<C>(board, list);
  Generate_moves<C>(board, list);
  std::uint64_t nodes = 0;
  for (int i = 0; i < list.move_count; ++i) {
    UndoInfo undo;
    Make_move<C>(board, undo, list.move[i]);
    // At the last ply a legal move is counted without going deeper.
    if (!King_attacked<C>(board)) nodes += depth == 1 ? 1 : Perft_of<them>(board, depth - 1);
    Unmake_move<C>(board, undo, list.move[i]);
  }
  return nodes;
}

template <Colour C>
std::vector<RootCount> Divide_of(Board& board, int depth) {
  constexpr Colour them = C == White ? Black : White;
  MoveList list;
  Generate_captures<C>(board, list);
  Generate_moves<C>(board, list);
  std::vector<RootCount> counts;
  for (int i = 0; i < list.move_count; ++i) {
    UndoInfo undo;
    Make_move<C>(board, undo, list.move[i]);
    if (!King_attacked<C>(board)) counts.push_back({list.move[i], depth <= 1 ? 1 : Perft_of<them>(board, depth - 1)});
    Unmake_move<C>(board, undo, list.move[i]);
  }
  return counts;
}

}  // namespace

std::uint64_t Perft(Board& board, int depth) {
  if (depth <= 0) return 1;
  return board.colour_move == White ? Perft_of<White>(board, depth) : Perft_of<Black>(board, depth);
}

std::vector<RootCount> Perft_divide(Board& board, int depth) {
  return board.colour_move == White ? Divide_of<White>(board, depth) : Divide_of<Black>(board, depth);
}

void Set_fen(Board& board, const std::string& fen) {
  board = Board{};
  Read_fen(board, ("fen " + fen + " ").c_str());
}

bool Parse_suite_line(const std::string& line, SuiteCase& out) {
  std::stringstream fields(line);
  std::string field;
  out = SuiteCase{};
  if (!std::getline(fields, field, ';')) return false;
  const auto first = field.find_first_not_of(" \t\r");
  if (first == std::string::npos || field[first] == '#') return false;
  out.fen = field.substr(first, field.find_last_not_of(" \t\r") - first + 1);
  while (std::getline(fields, field, ';')) {
    std::stringstream entry(field);
    std::string name;
    std::uint64_t count = 0;
    if (entry >> name >> count && name.size() > 1 && name[0] == 'D') out.expected.emplace_back(std::stoi(name.substr(1)), count);
  }
  return true;
}
