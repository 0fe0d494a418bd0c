#include "board/movegen.h"

#include "board/colour.h"
#include "board/rays.h"

namespace {

constexpr int promotion_pieces[4] = {QUEEN, ROOK, BISHOP, KNIGHT};

// Appends moves to a list; generation stops taking new pieces once the list is
// full, and the slack behind MAX_MOVES holds what the last piece wrote.
struct ListWriter {
  MoveList& list;
  int n;

  bool full() const { return n >= MAX_MOVES; }
  void add(Move m, int score) {
    list.move[n] = m;
    list.score[n] = score;
    ++n;
  }
  void add_unscored(Move m) { list.move[n++] = m; }
  int count() const { return n < MAX_MOVES ? n : MAX_MOVES; }
};

template <Colour C>
void Add_capture(ListWriter& out, const Board& board, int from, int to, int piece) {
  const int victim = Side<C>::enemy_names(board)[to];
  out.add(Make_move_word(victim, MOVE_CAPTURE, from, to, piece), 10 * victim - piece);
}

// Captures of one sliding piece: at most one per ray, the nearest blocker when it is an enemy.
template <Colour C, std::size_t N>
void Slider_captures(ListWriter& out, const Board& board, Bitboard sliders, int piece, const Ray (&rays)[N]) {
  const Bitboard enemy = Side<C>::enemy_all(board);
  for (; sliders && !out.full(); sliders &= sliders - 1) {
    const int from = Bit_scan_forward(sliders);
    for (const Ray& ray : rays) {
      const int b = Nearest_blocker(ray, from, board.all_piece);
      if (b >= 0 && (enemy & coord_bit[b])) Add_capture<C>(out, board, from, b, piece);
    }
  }
}

// Quiet moves of one kind of sliding piece: the free squares of each ray in rising order.
template <std::size_t N>
void Slider_moves(ListWriter& out, const Board& board, Bitboard sliders, int piece, const Ray (&rays)[N]) {
  for (; sliders && !out.full(); sliders &= sliders - 1) {
    const int from = Bit_scan_forward(sliders);
    for (const Ray& ray : rays)
      for (Bitboard to = Free_squares(ray, from, board.all_piece); to; to &= to - 1)
        out.add_unscored(Make_move_word(0, MOVE_QUIET, from, Bit_scan_forward(to), piece));
  }
}

// Code of the piece of `pieces` (by `names`) that attacks along the ray, when its code is a or b.
inline int Slider_on_ray(const Ray& ray, int square, const Board& board, Bitboard pieces, const int32_t* names,
                         int a, int b) {
  const int blocker = Nearest_blocker(ray, square, board.all_piece);
  if (blocker < 0 || !(pieces & coord_bit[blocker])) return 0;
  const int code = names[blocker];
  return code == a || code == b ? code : 0;
}

// Code of the first piece of `pieces` on `squares` whose code is `wanted`.
inline int Piece_on(Bitboard squares, Bitboard pieces, const int32_t* names, int wanted) {
  for (Bitboard s = squares & pieces; s; s &= s - 1)
    if (names[Bit_scan_forward(s)] == wanted) return wanted;
  return 0;
}

// All squares on the four straight lines and on the four diagonals through a square.
constexpr SquareTable Union_of(const SquareTable& a, const SquareTable& b, const SquareTable& c, const SquareTable& d) {
  SquareTable u{};
  for (int s = 0; s < 64; ++s) u[s] = a[s] | b[s] | c[s] | d[s];
  return u;
}
constexpr SquareTable rook_lines = Union_of(ray_up, ray_down, ray_left, ray_right);
constexpr SquareTable bishop_lines = Union_of(ray_up_right, ray_up_left, ray_down_left, ray_down_right);

// Squares from which an enemy pawn would attack a king of colour C on k (k not on its last rank).
template <Colour C>
inline Bitboard Pawn_attack_squares(int k) {
  const int f = File_of(k);
  Bitboard squares = 0;
  if (f != 0) squares |= coord_bit[k + Side<C>::forward - 1];
  if (f != 7) squares |= coord_bit[k + Side<C>::forward + 1];
  return squares;
}

}  // namespace

template <Colour C>
void Generate_captures(const Board& board, MoveList& list) {
  using S = Side<C>;
  const auto& own = S::own_pieces(board);
  const auto& enemy_names = S::enemy_names(board);
  const Bitboard enemy = S::enemy_all(board);
  ListWriter out{list, 0};

  // 1. Pawns: promotions (queen, rook, bishop, knight), captures, en passant.
  for (Bitboard pawns = own[PAWN]; pawns && !out.full(); pawns &= pawns - 1) {
    const int from = Bit_scan_forward(pawns);
    const Bitboard targets = S::pawn_captures()[from] & enemy;
    if (Rank_of(from) == S::promotion_rank) {
      const int ahead = from + S::forward;
      if (!(board.all_piece & coord_bit[ahead]))
        for (int p : promotion_pieces) out.add(Make_move_word(0, MOVE_PROMOTION + p, from, ahead, PAWN), MOVE_PROMOTION + p);
      for (Bitboard t = targets; t; t &= t - 1) {
        const int to = Bit_scan_forward(t);
        for (int p : promotion_pieces)
          out.add(Make_move_word(enemy_names[to], MOVE_CAPTURE_PROMOTION + p, from, to, PAWN),
                  MOVE_CAPTURE_PROMOTION + p);
      }
    } else {
      for (Bitboard t = targets; t; t &= t - 1) Add_capture<C>(out, board, from, Bit_scan_forward(t), PAWN);
    }
    if (board.taking_passage_yes && Rank_of(from) == S::en_passant_rank) {
      const int to = board.taking_passage_x + 8 * board.taking_passage_y;
      const bool towards_h = to == from + S::forward + 1 && File_of(from) != 7;
      const bool towards_a = to == from + S::forward - 1 && File_of(from) != 0;
      if (towards_h || towards_a)
        out.add(Make_move_word(enemy_names[to - S::forward], MOVE_EN_PASSANT, from, to, PAWN), 5);
    }
  }

  // 2. Knights.
  for (Bitboard knights = own[KNIGHT]; knights && !out.full(); knights &= knights - 1) {
    const int from = Bit_scan_forward(knights);
    for (Bitboard t = knight_moves[from] & enemy; t; t &= t - 1) Add_capture<C>(out, board, from, Bit_scan_forward(t), KNIGHT);
  }

  // 3-5. Bishops, rooks, queens: the nearest piece on each ray, when it is an enemy.
  Slider_captures<C>(out, board, own[BISHOP], BISHOP, bishop_rays);
  Slider_captures<C>(out, board, own[ROOK], ROOK, rook_rays);
  Slider_captures<C>(out, board, own[QUEEN], QUEEN, queen_rays);

  // 6. King.
  if (own[KING] && !out.full()) {
    const int from = Bit_scan_forward(own[KING]);
    for (Bitboard t = king_moves[from] & enemy; t; t &= t - 1) Add_capture<C>(out, board, from, Bit_scan_forward(t), KING);
  }

  list.capture_count = list.move_count = out.count();
}

template <Colour C>
int Castling_square_attacked(const Board& board, int square) {
  using E = Side<Side<C>::them>;
  const Bitboard enemy = E::own_all(board);
  const int32_t* names = E::own_names(board);
  // Only rays that can reach the back rank from the board's inside are looked at.
  constexpr Ray rook_lines[3] = {C == White ? RAY_UP : RAY_LEFT, C == White ? RAY_LEFT : RAY_DOWN, RAY_RIGHT};
  constexpr Ray diagonals[2] = {C == White ? RAY_UP_RIGHT : RAY_DOWN_LEFT, C == White ? RAY_UP_LEFT : RAY_DOWN_RIGHT};
  for (const Ray& ray : rook_lines)
    if (int code = Slider_on_ray(ray, square, board, enemy, names, ROOK, QUEEN)) return code;
  for (const Ray& ray : diagonals)
    if (int code = Slider_on_ray(ray, square, board, enemy, names, BISHOP, QUEEN)) return code;
  if (Piece_on(knight_moves[square], enemy, names, KNIGHT)) return KNIGHT;
  if (Piece_on(king_moves[square], enemy, names, KING)) return KING;
  // Squares c..g of the back rank never sit on the a- or h-file, so no file test is needed.
  if (names[square + Side<C>::forward - 1] == PAWN || names[square + Side<C>::forward + 1] == PAWN) return PAWN;
  return 0;
}

template <Colour C>
void Generate_moves(const Board& board, MoveList& list) {
  using S = Side<C>;
  const auto& own = S::own_pieces(board);
  const Bitboard empty = ~board.all_piece;
  ListWriter out{list, list.move_count};

  // 1. King steps, then castling on the queen side and on the king side.
  if (own[KING] && !out.full()) {
    const int from = Bit_scan_forward(own[KING]);
    for (Bitboard t = king_moves[from] & empty; t; t &= t - 1)
      out.add_unscored(Make_move_word(0, MOVE_QUIET, from, Bit_scan_forward(t), KING));
    constexpr int rank = 8 * S::back_rank;
    auto safe = [&](int file) { return Castling_square_attacked<C>(board, rank + file) == 0; };
    constexpr Bitboard queen_side_gap = Bitboard{0x0E} << rank;  // b, c, d
    constexpr Bitboard king_side_gap = Bitboard{0x60} << rank;   // f, g
    if (S::castle_queen_side(board) && !(board.all_piece & queen_side_gap) && safe(2) && safe(3) && safe(4))
      out.add(Make_move_word(0, MOVE_CASTLE_QUEEN, from, rank + 2, KING), MOVE_CASTLE_QUEEN);
    if (S::castle_king_side(board) && !(board.all_piece & king_side_gap) && safe(4) && safe(5) && safe(6))
      out.add(Make_move_word(0, MOVE_CASTLE_KING, from, rank + 6, KING), MOVE_CASTLE_KING);
  }

  // 2-4. Queens, rooks, bishops along their rays.
  Slider_moves(out, board, own[QUEEN], QUEEN, queen_rays);
  Slider_moves(out, board, own[ROOK], ROOK, rook_rays);
  Slider_moves(out, board, own[BISHOP], BISHOP, bishop_rays);

  // 5. Knights.
  for (Bitboard knights = own[KNIGHT]; knights && !out.full(); knights &= knights - 1) {
    const int from = Bit_scan_forward(knights);
    for (Bitboard t = knight_moves[from] & empty; t; t &= t - 1)
      out.add_unscored(Make_move_word(0, MOVE_QUIET, from, Bit_scan_forward(t), KNIGHT));
  }

  // 6. Pawn steps, targets of one pawn in rising square order; a pawn about
  // to promote gets none here (its step is a promotion).
  for (Bitboard pawns = own[PAWN]; pawns && !out.full(); pawns &= pawns - 1) {
    const int from = Bit_scan_forward(pawns);
    const int rank = Rank_of(from);
    if (rank == S::promotion_rank || rank == S::promotion_rank + (S::forward > 0 ? 1 : -1)) continue;
    const int single = from + S::forward, twice = from + 2 * S::forward;
    if (!(board.all_piece & coord_bit[single])) {
      const bool can_double = rank == S::double_step_rank && !(board.all_piece & coord_bit[twice]);
      if (C == White) {
        out.add_unscored(Make_move_word(0, MOVE_QUIET, from, single, PAWN));
        if (can_double) out.add_unscored(Make_move_word(0, MOVE_QUIET, from, twice, PAWN));
      } else {
        if (can_double) out.add_unscored(Make_move_word(0, MOVE_QUIET, from, twice, PAWN));
        out.add_unscored(Make_move_word(0, MOVE_QUIET, from, single, PAWN));
      }
    }
  }

  list.move_count = out.count();
}

template <Colour C>
int King_attacked(const Board& board) {
  using S = Side<C>;
  using E = Side<S::them>;
  const Bitboard king = S::own_pieces(board)[KING];
  if (!king) return 0;  // a side without a king is never in check
  const int k = Bit_scan_forward(king);
  const auto& enemy = E::own_pieces(board);
  // A ray is looked at only when an enemy piece that moves along it stands on it;
  // the nearest blocker of any other ray cannot be an attacker, so the answer is the same.
  const Bitboard straight = enemy[ROOK] | enemy[QUEEN];
  const Bitboard diagonal = enemy[BISHOP] | enemy[QUEEN];
  if (rook_lines[k] & straight)
    for (const Ray& ray : rook_rays) {
      if (!((*ray.table)[k] & straight)) continue;
      const int b = Nearest_blocker(ray, k, board.all_piece);
      if (straight & coord_bit[b]) return E::own_names(board)[b];
    }
  if (bishop_lines[k] & diagonal)
    for (const Ray& ray : bishop_rays) {
      if (!((*ray.table)[k] & diagonal)) continue;
      const int b = Nearest_blocker(ray, k, board.all_piece);
      if (diagonal & coord_bit[b]) return E::own_names(board)[b];
    }
  if (knight_moves[k] & enemy[KNIGHT]) return KNIGHT;
  if (king_moves[k] & enemy[KING]) return KING;
  // Pawns: White's king looks at k + 7 (not on the a-file), then k + 9 (not on
  // the h-file); Black's at k - 7 (not on the h-file), then k - 9 (not on the a-file).
  if (Rank_of(k) != S::no_pawn_check_rank && (Pawn_attack_squares<C>(k) & enemy[PAWN])) return PAWN;
  return 0;
}

template void Generate_captures<White>(const Board&, MoveList&);
template void Generate_captures<Black>(const Board&, MoveList&);
template void Generate_moves<White>(const Board&, MoveList&);
template void Generate_moves<Black>(const Board&, MoveList&);
template int King_attacked<White>(const Board&);
template int King_attacked<Black>(const Board&);

void Generate_captures_white(const Board& board, MoveList& list) { Generate_captures<White>(board, list); }
void Generate_captures_black(const Board& board, MoveList& list) { Generate_captures<Black>(board, list); }
void Generate_moves_white(const Board& board, MoveList& list) { Generate_moves<White>(board, list); }
void Generate_moves_black(const Board& board, MoveList& list) { Generate_moves<Black>(board, list); }
int Castling_square_attacked_white(const Board& board, int square) { return Castling_square_attacked<White>(board, square); }
int Castling_square_attacked_black(const Board& board, int square) { return Castling_square_attacked<Black>(board, square); }
int King_attacked_white(const Board& board) { return King_attacked<White>(board); }
int King_attacked_black(const Board& board) { return King_attacked<Black>(board); }
