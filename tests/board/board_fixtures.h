// Helpers shared by the board tests: setting up positions and reading lists.
#pragma once

#include <cctype>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/move.h"
#include "board/movegen.h"
#include "perft.h"

inline Board Board_from(const std::string& fen) {
  Board board;
  Set_fen(board, fen);
  return board;
}

inline int Square(const char* name) { return (name[0] - 'a') + 8 * (name[1] - '1'); }

inline std::string Text_of(Move m) {
  char text[8];
  Move_to_text(m, text);
  return text;
}

// The full list for the side to move, as coordinate texts in list order.
inline std::vector<std::string> Move_texts(const Board& board, int first = 0) {
  MoveList list;
  Generate_all_moves(board, list);
  std::vector<std::string> texts;
  for (int i = first; i < list.move_count; ++i) texts.push_back(Text_of(list.move[i]));
  return texts;
}

// The same position with the colours exchanged and the board turned upside down.
inline std::string Mirror_fen(const std::string& fen) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (start < fen.size()) {
    size_t end = fen.find(' ', start);
    if (end == std::string::npos) end = fen.size();
    if (end > start) fields.push_back(fen.substr(start, end - start));
    start = end + 1;
  }
  auto swap_case = [](std::string s) {
    for (char& c : s)
      if (std::isalpha(static_cast<unsigned char>(c))) c = static_cast<char>(c ^ 0x20);
    return s;
  };
  std::vector<std::string> ranks;
  start = 0;
  const std::string& placement = fields[0];
  while (true) {
    size_t end = placement.find('/', start);
    ranks.push_back(placement.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  std::string mirrored;
  for (size_t i = ranks.size(); i-- > 0;) mirrored += swap_case(ranks[i]) + (i ? "/" : "");
  mirrored += fields.size() > 1 && fields[1] == "w" ? " b" : " w";
  std::string castling = fields.size() > 2 ? fields[2] : "-";
  if (castling != "-") {
    std::string swapped = swap_case(castling), ordered;
    for (char c : std::string("KQkq"))
      if (swapped.find(c) != std::string::npos) ordered += c;
    castling = ordered;
  }
  mirrored += " " + castling;
  std::string ep = fields.size() > 3 ? fields[3] : "-";
  if (ep != "-") ep[1] = static_cast<char>('1' + ('8' - ep[1]));
  return mirrored + " " + ep;
}
