#include "protocol/position.h"

#include <cstring>

#include "board/bit_tables.h"
#include "hash/keys.h"
#include "protocol/uci.h"

std::uint64_t game_keys[GAME_KEYS];
std::int32_t game_key_count;

namespace {

// The start position, in the form `Read_fen` is given the rest of a command line.
constexpr char start_position_text[] = "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 ";

// Piece code of a FEN letter of either colour, 0 for any other character.
int Piece_of_letter(char c) {
  switch (c | 0x20) {
    case 'p': return PAWN;
    case 'n': return KNIGHT;
    case 'b': return BISHOP;
    case 'r': return ROOK;
    case 'q': return QUEEN;
    case 'k': return KING;
    default: return NO_PIECE;
  }
}

void Put_on_board(Board& board, int square, char letter) {
  const int code = Piece_of_letter(letter);
  if (letter >= 'A' && letter <= 'Z') {
    board.all_white_piece |= coord_bit[square];
    board.white_piece[code] |= coord_bit[square];
    board.white_name_from_coord[square] = code;
  } else {
    board.all_black_piece |= coord_bit[square];
    board.black_piece[code] |= coord_bit[square];
    board.black_name_from_coord[square] = code;
  }
}

// Lowest square of a set, or -1 when it is empty.
int Lowest_square(Bitboard set) { return set ? Bit_scan_forward(set) : -1; }

// A castling right stands only while its king and rook are on their home squares;
// otherwise castling would move a rook that is not there.
void Drop_impossible_castling(Board& board) {
  const bool white_king_home = Lowest_square(board.white_piece[KING]) == 4;
  const bool black_king_home = Lowest_square(board.black_piece[KING]) == 60;
  if (!white_king_home || board.white_name_from_coord[0] != ROOK) board.castling_Q = 0;
  if (!white_king_home || board.white_name_from_coord[7] != ROOK) board.castling_K = 0;
  if (!black_king_home || board.black_name_from_coord[56] != ROOK) board.castling_q = 0;
  if (!black_king_home || board.black_name_from_coord[63] != ROOK) board.castling_k = 0;
}

// An en-passant square stands only when a pawn can just have passed over it:
// the target is empty and the double-stepped pawn of the side that moved stands beyond it.
bool En_passant_possible(const Board& board) {
  const int x = board.taking_passage_x, y = board.taking_passage_y;
  if (x < 0) return false;
  const int target = x + 8 * y;
  if (board.colour_move == White)
    return y == 5 && !(board.all_piece & coord_bit[target]) && board.black_name_from_coord[target - 8] == PAWN;
  return y == 2 && !(board.all_piece & coord_bit[target]) && board.white_name_from_coord[target + 8] == PAWN;
}

// Records the key of the position just reached. When the record is full the
// oldest key gives way, so the most recent positions stay for the repetition test.
void Record_game_key(const Board& board) {
  if (game_key_count == GAME_KEYS - 1) {
    std::memmove(game_keys, game_keys + 1, (GAME_KEYS - 1) * sizeof game_keys[0]);
  } else {
    ++game_key_count;
  }
  game_keys[game_key_count] = board.hash_key;
}

}  // namespace

void Read_fen(Board& board, const char* text) {
  board.all_piece = board.all_white_piece = board.all_black_piece = 0;
  std::memset(board.white_piece, 0, sizeof board.white_piece);
  std::memset(board.black_piece, 0, sizeof board.black_piece);
  std::memset(board.white_name_from_coord, 0, sizeof board.white_name_from_coord);
  std::memset(board.black_name_from_coord, 0, sizeof board.black_name_from_coord);

  const char* p = text;
  while (*p && *p != ' ') ++p;
  while (*p == ' ') ++p;

  // Placement, rank 8 first. Squares past the eighth of a rank and ranks past
  // the eighth are not on the board and are passed over.
  int rank_base = 56, file = 0;
  for (; *p && *p != ' '; ++p) {
    const char c = *p;
    if (c == '/') {
      rank_base -= 8;
      file = 0;
    } else if (c >= '1' && c <= '8') {
      file += c - '0';
    } else {
      if (Piece_of_letter(c) != NO_PIECE && rank_base >= 0 && file < 8) Put_on_board(board, rank_base + file, c);
      ++file;
    }
    if (file > 8) file = 8;
  }
  board.all_piece = board.all_white_piece | board.all_black_piece;

  // Side to move; any other letter keeps the side of the previous position.
  while (*p == ' ') ++p;
  if (*p == 'w') board.colour_move = 1;
  if (*p == 'b') board.colour_move = 0;
  for (int step = 0; step < 2 && *p; ++step) ++p;

  board.castling_Q = board.castling_K = board.castling_q = board.castling_k = 0;
  for (; *p && *p != ' '; ++p) {
    if (*p == 'K') board.castling_K = 1;
    if (*p == 'Q') board.castling_Q = 1;
    if (*p == 'k') board.castling_k = 1;
    if (*p == 'q') board.castling_q = 1;
  }
  Drop_impossible_castling(board);

  while (*p == ' ') ++p;
  board.taking_passage_yes = 0;
  board.taking_passage_x = 0;
  board.taking_passage_y = 0;
  if (*p == '\0' || *p == '-') return;
  board.taking_passage_x = File_of_letter(p[0]);
  board.taking_passage_y = Rank_of_digit(p[1]);
  if (En_passant_possible(board)) {
    board.taking_passage_yes = 1;
  } else {
    board.taking_passage_x = 0;
    board.taking_passage_y = 0;
  }
}

void Position_command(Board& board) {
  const char* fen = std::strstr(command_line, "fen ");
  const char* moves = std::strstr(command_line, "moves ");
  Read_fen(board, fen ? fen : start_position_text);
  for (int k = 0; k < GAME_KEYS; ++k) game_keys[k] = static_cast<std::uint64_t>(k);
  Full_key(board);
  game_keys[0] = board.hash_key;
  game_key_count = 0;
  if (!moves) return;

  const char* p = moves + 6;
  while (*p == ' ') ++p;
  while (*p) {
    // Four characters of squares, then a promotion letter unless a blank or the line's end follows.
    char token[6] = {};
    int length = 0;
    while (length < 4 && p[length]) {
      token[length] = p[length];
      ++length;
    }
    p += length;
    if (length == 4 && *p && *p != ' ') token[length++] = *p++;
    Apply_move_text(board, token);
    Full_key(board);
    Record_game_key(board);
    while (*p == ' ') ++p;
  }
}
