#include "board/board_check.h"

#include <cstdio>

void Copy_board(Board& destination, const Board& source) { destination = source; }

namespace {

void Report(const char* message) {
  std::fputs(message, stdout);
  std::fputs("\n", stdout);
}

void Report_index(const char* message, int index) { std::printf("%s%d\n", message, index); }

}  // namespace

void Check_board(const Board& test, const Board& now) {
  if (test.all_piece != now.all_piece) Report("white test_all_piece != bitboard->all_piece");
  if (test.all_white_piece != now.all_white_piece) Report("white test_all_white_piece != bitboard->all_white_piece");
  if (test.all_black_piece != now.all_black_piece) Report("white test_all_black_piece != bitboard->all_black_piece");
  if (test.colour_move != now.colour_move) Report("white test_colour_move != bitboard->colour_move");
  if (test.taking_passage_yes != now.taking_passage_yes)
    Report("white test_taking_passage_yes != bitboard->taking_passage_yes");
  if (test.taking_passage_x != now.taking_passage_x) Report("white test_taking_passage_x != bitboard->taking_passage_x");
  if (test.taking_passage_y != now.taking_passage_y) Report("white test_taking_passage_y != bitboard->taking_passage_y");
  if (test.castling_Q != now.castling_Q) Report("white test_castling_Q != bitboard->castling_Q");
  if (test.castling_K != now.castling_K) Report("white test_castling_K != bitboard->castling_K");
  if (test.castling_q != now.castling_q) Report("white test_castling_q != bitboard->castling_q");
  if (test.castling_k != now.castling_k) Report("white test_castling_k != bitboard->castling_k");
  if (test.hash_key != now.hash_key) Report("white test_hash_key !=  bitboard->hash_key");
  if (test.eval != now.eval) Report("white test_eval != bitboard->eval");
  for (int n = 0; n < 7; ++n) {
    if (test.white_piece[n] != now.white_piece[n])
      Report_index("white test_white_piece[n] = bitboard->white_piece[n]", n);
    if (test.black_piece[n] != now.black_piece[n])
      Report_index("white test_black_piece[n] = bitboard->black_piece[n]", n);
  }
  for (int k = 0; k < 64; ++k) {
    if (test.white_name_from_coord[k] != now.white_name_from_coord[k])
      Report_index("white test_white_name_from_coord[k] = bitboard->white_name_from_coord[k]", k);
    if (test.black_name_from_coord[k] != now.black_name_from_coord[k])
      Report_index("white test_black_name_from_coord[k] = bitboard->black_name_from_coord[k]", k);
  }
}
