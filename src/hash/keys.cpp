#include "hash/keys.h"

std::uint64_t piece_keys[2][7][64];
std::uint32_t key_random_state = 1;

int Key_random() {
  key_random_state = key_random_state * 214013u + 2531011u;
  return static_cast<int>((key_random_state >> 16) & 0x7FFF);
}

void Init_keys() {
  for (int colour = 0; colour < 2; ++colour)
    for (int piece = 1; piece <= 6; ++piece)
      for (int square = 0; square < 64; ++square) {
        std::uint64_t k = static_cast<std::uint64_t>(Key_random()) << 12;
        k = (k ^ static_cast<std::uint64_t>(Key_random())) << 16;
        k = (k ^ static_cast<std::uint64_t>(Key_random())) << 16;
        k = (k ^ static_cast<std::uint64_t>(Key_random())) << 15;
        piece_keys[colour][piece][square] = k ^ static_cast<std::uint64_t>(Key_random());
      }
}

void Full_key(Board& board) {
  std::uint64_t k = 0;
  for (int square = 0; square < 64; ++square) {
    if (const int w = board.white_name_from_coord[square]) k ^= piece_keys[White][w][square];
    if (const int b = board.black_name_from_coord[square]) k ^= piece_keys[Black][b][square];
  }
  if (board.colour_move) k ^= key_white_to_move;
  if (board.castling_K) k ^= key_castling_K;
  if (board.castling_Q) k ^= key_castling_Q;
  if (board.castling_k) k ^= key_castling_k;
  if (board.castling_q) k ^= key_castling_q;
  if (board.taking_passage_yes) k ^= En_passant_key(board.taking_passage_x, board.taking_passage_y);
  board.hash_key = k;
}

template <Colour C>
void Update_key(Board& board, const UndoInfo& undo, Move m) {
  constexpr int them = C == White ? Black : White;
  constexpr int back_rank = C == White ? 0 : 56;
  const auto& own = piece_keys[C];
  const auto& enemy = piece_keys[them];
  const int p = Moving_piece(m), x = Captured_piece(m), type = Move_type(m);
  const int from = Move_from(m), to = Move_to(m);
  std::uint64_t k = board.hash_key;
  switch (type) {
    case MOVE_QUIET:
      k ^= own[p][from] ^ own[p][to];
      break;
    case MOVE_CAPTURE:
      k ^= own[p][from] ^ own[p][to] ^ enemy[x][to];
      break;
    case MOVE_CASTLE_QUEEN:
      k ^= own[p][from] ^ own[p][to] ^ own[ROOK][back_rank] ^ own[ROOK][back_rank + 3];
      break;
    case MOVE_CASTLE_KING:
      k ^= own[p][from] ^ own[p][to] ^ own[ROOK][back_rank + 7] ^ own[ROOK][back_rank + 5];
      break;
    case MOVE_EN_PASSANT:
      k ^= own[p][from] ^ own[p][to] ^ enemy[x][C == White ? to - 8 : to + 8];
      break;
    case MOVE_PROMOTION + KNIGHT:
    case MOVE_PROMOTION + BISHOP:
    case MOVE_PROMOTION + ROOK:
    case MOVE_PROMOTION + QUEEN:
      k ^= own[p][from] ^ own[type - MOVE_PROMOTION][to];
      break;
    case MOVE_CAPTURE_PROMOTION + KNIGHT:
    case MOVE_CAPTURE_PROMOTION + BISHOP:
    case MOVE_CAPTURE_PROMOTION + ROOK:
    case MOVE_CAPTURE_PROMOTION + QUEEN:
      k ^= own[p][from] ^ own[type - MOVE_CAPTURE_PROMOTION][to] ^ enemy[x][to];
      break;
    default:
      break;
  }
  k ^= key_white_to_move;
  if (board.castling_K != undo.castling_K) k ^= key_castling_K;
  if (board.castling_Q != undo.castling_Q) k ^= key_castling_Q;
  if (board.castling_k != undo.castling_k) k ^= key_castling_k;
  if (board.castling_q != undo.castling_q) k ^= key_castling_q;
  if (undo.taking_passage_yes) k ^= En_passant_key(undo.taking_passage_x, undo.taking_passage_y);
  if (board.taking_passage_yes) k ^= En_passant_key(board.taking_passage_x, board.taking_passage_y);
  board.hash_key = k;
}

template void Update_key<White>(Board&, const UndoInfo&, Move);
template void Update_key<Black>(Board&, const UndoInfo&, Move);

void Update_key(int side, const MoveList& list, int index, Board& board, const UndoInfo& undo) {
  if (side == White)
    Update_key<White>(board, undo, list.move[index]);
  else
    Update_key<Black>(board, undo, list.move[index]);
}
