#include "eval/evaluate.h"

#include <bit>

#include "board/bit_tables.h"

namespace {

// The evaluation facts that differ between the colours, on top of Side<C>.
template <Colour C>
struct Eval_side;

template <>
struct Eval_side<White> {
  // Squares with one of `pawns` strictly ahead of them on their file.
  static constexpr Bitboard Under(Bitboard pawns) {
    Bitboard x = pawns >> 8;
    x |= x >> 8;
    x |= x >> 16;
    return x | x >> 32;
  }
  // The pawn tables are written for White: a white pawn reads its own square.
  static constexpr int Pawn_index(int square) { return square; }
};

template <>
struct Eval_side<Black> {
  static constexpr Bitboard Under(Bitboard pawns) {
    Bitboard x = pawns << 8;
    x |= x << 8;
    x |= x << 16;
    return x | x << 32;
  }
  // A black pawn reads the square turned through the board's centre.
  static constexpr int Pawn_index(int square) { return 63 - square; }
};

constexpr Bitboard FILE_A = 0x0101010101010101ULL;
constexpr Bitboard FILE_H = FILE_A << 7;

// A colour's king term, seen from that colour's side. `enemy_phase` decides
// between the middle-game table with shelter and the end-game table.
template <Colour C>
std::int32_t King_term(const Board& board, std::int32_t enemy_phase) {
  const Bitboard king = Side<C>::own_pieces(board)[KING];
  if (!king) return 0;
  const int s = Bit_scan_forward(king);
  if (enemy_phase <= endgame_material) return king_table_end[s];

  // The three squares one rank ahead of the king, taken by index: from the a-
  // or h-file one of them wraps to the far file, and it is used as it is. A
  // square past the end of the board (king on its own last rank, a white king
  // on h7, a black king on a2) counts as covered.
  const auto& names = Side<C>::own_names(board);
  int uncovered = 0;
  for (int step = Side<C>::forward - 1; step <= Side<C>::forward + 1; ++step) {
    const int q = s + step;
    if (q >= 0 && q < 64 && names[q] == NO_PIECE) ++uncovered;
  }
  return king_table_middle[s] - king_shelter_penalty * uncovered;
}

// A colour's pawn structure, seen from that colour's side.
template <Colour C>
std::int32_t Pawn_term(const Board& board, std::int32_t enemy_phase) {
  const Bitboard own_pawns = Side<C>::own_pieces(board)[PAWN];
  const bool end_game = enemy_phase <= endgame_material;
  const std::int32_t* placement = end_game ? pawn_table_end : pawn_table_middle;

  std::int32_t score = 0;
  unsigned files_seen = 0;     // bit f: a pawn on file f
  unsigned files_doubled = 0;  // bit f: two or more
  for (Bitboard pawns = own_pawns; pawns; pawns &= pawns - 1) {
    const int s = Bit_scan_forward(pawns);
    score += placement[Eval_side<C>::Pawn_index(s)];
    const unsigned file = 1u << File_of(s);
    files_doubled |= files_seen & file;
    files_seen |= file;
  }
  // Two or more pawns on a file cost once for the file.
  score -= doubled_pawn_penalty * std::popcount(files_doubled);

  // Free files: no enemy pawn ahead on the own file counts twice and is needed
  // for the neighbour files to count at all; each neighbour file free ahead
  // (the squares beside the pawn) adds once. An edge pawn has one neighbour and
  // starts one free file up, so two free files make a passed pawn wherever it stands.
  const Bitboard blocked = Eval_side<C>::Under(Side<C>::enemy_pieces(board)[PAWN]);
  const Bitboard free_own = own_pawns & ~blocked;
  const Bitboard free_right = free_own & ~FILE_H & ~(blocked >> 1);
  const Bitboard free_left = free_own & ~FILE_A & ~(blocked << 1);
  score += pawn_file_bonus * (2 * std::popcount(free_own) + std::popcount(free_right) + std::popcount(free_left));
  if (end_game) {
    const Bitboard passed = (free_right & free_left) | (free_right & FILE_A) | (free_left & FILE_H);
    for (Bitboard p = passed; p; p &= p - 1) score += passed_pawn_table[Eval_side<C>::Pawn_index(Bit_scan_forward(p))];
  }
  return score;
}

// A colour's rooks, bishops and knights, seen from that colour's side. The
// bishop and knight tables are the same from both sides, so Black reads its
// own square too.
template <Colour C>
std::int32_t Piece_term(const Board& board) {
  const auto& pieces = Side<C>::own_pieces(board);
  const Bitboard own = Side<C>::own_all(board);
  std::int32_t score = 0;
  for (Bitboard rooks = pieces[ROOK]; rooks; rooks &= rooks - 1)
    score += Rook_file_mobility(board, Bit_scan_forward(rooks), own) * rook_mobility_weight;
  for (Bitboard bishops = pieces[BISHOP]; bishops; bishops &= bishops - 1)
    score += bishop_table[Bit_scan_forward(bishops)];
  for (Bitboard knights = pieces[KNIGHT]; knights; knights &= knights - 1)
    score += knight_table[Bit_scan_forward(knights)];
  return score;
}

template <Colour C>
std::int32_t Material_of(const Board& board) {
  const auto& pieces = Side<C>::own_pieces(board);
  std::int32_t material = pieces[KING] ? piece_value[KING] : 0;
  for (int code = PAWN; code <= QUEEN; ++code) material += piece_value[code] * std::popcount(pieces[code]);
  return material;
}

}  // namespace

std::int32_t Rook_file_mobility(const Board& board, int square, Bitboard own) {
  Bitboard up = ray_up[square];
  if (const Bitboard blockers = up & board.all_piece) up ^= ray_up[Bit_scan_forward(blockers)];
  Bitboard down = ray_down[square];
  if (const Bitboard blockers = down & board.all_piece) down ^= ray_down[Bit_scan_reverse(blockers)];
  return std::popcount((up | down) & ~own);
}

std::int32_t Eval_kings(const Board& board, std::int32_t white_phase, std::int32_t black_phase) {
  return King_term<White>(board, black_phase) - King_term<Black>(board, white_phase);
}

std::int32_t Eval_pawns(const Board& board, std::int32_t white_phase, std::int32_t black_phase) {
  return Pawn_term<White>(board, black_phase) - Pawn_term<Black>(board, white_phase);
}

std::int32_t Eval_pieces(const Board& board) { return Piece_term<White>(board) - Piece_term<Black>(board); }

std::int32_t Material_balance(const Board& board) { return Material_of<White>(board) - Material_of<Black>(board); }

std::int32_t Evaluate(const Board& board) {
  const std::int32_t white_phase = Phase_material<White>(board);
  const std::int32_t black_phase = Phase_material<Black>(board);
  std::int32_t score = 0;
  score += Eval_kings(board, white_phase, black_phase);
  score += Eval_pawns(board, white_phase, black_phase);
  score += Eval_pieces(board);
  return score;
}
