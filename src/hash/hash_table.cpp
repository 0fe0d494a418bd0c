#include "hash/hash_table.h"

#include <cstdio>
#include <cstdlib>

HashEntry* hash_table = nullptr;
std::uint64_t hash_mask = 0;
std::int32_t hash_age = 0;

namespace {

constexpr int DEFAULT_MEGABYTES = 1;
constexpr int MAX_MEGABYTES = 1024;

// The two fatal messages, as the Windows-1251 bytes of their Cyrillic text.
constexpr char nothing_to_release[] = "\xEE\xF1\xE2\xEE\xE1\xEE\xE6\xE4\xE0\xF2\xFC\x20\xED\xE5\xF7\xE5\xE3\xEE\x20\n";
constexpr char out_of_memory[] = "\xEF\xE0\xEC\xFF\xF2\xE8\x20\xED\xE5\xF2\x20\n";

[[noreturn]] void Fatal(const char* message) {
  std::fputs(message, stdout);
  std::exit(1);
}

// Allocates a zero-filled table of the largest power of two of entries that fits the megabytes.
void Allocate(int megabytes) {
  const std::uint32_t entries = static_cast<std::uint32_t>(megabytes) * 1048576u / static_cast<std::uint32_t>(sizeof(HashEntry));
  std::uint32_t slots = 2;
  while (slots <= entries) slots *= 2;
  slots /= 2;
  hash_mask = slots - 1;
  hash_table = static_cast<HashEntry*>(std::calloc(slots + 2, sizeof(HashEntry)));
  if (!hash_table) Fatal(out_of_memory);
}

HashEntry& Slot(std::uint64_t key) { return hash_table[key & hash_mask]; }

}  // namespace

void Init_hash() {
  Release_hash();
  Allocate(DEFAULT_MEGABYTES);
}

void Set_hash_size(int megabytes) {
  if (!hash_table) Fatal(nothing_to_release);
  Release_hash();
  if (megabytes < 1) megabytes = 1;
  if (megabytes > MAX_MEGABYTES) megabytes = MAX_MEGABYTES;
  Allocate(megabytes);
}

void Clear_hash() {
  if (!hash_table) return;
  for (std::uint64_t s = 0; s <= hash_mask; ++s) hash_table[s].key = 0;
}

void Release_hash() {
  std::free(hash_table);
  hash_table = nullptr;
}

void Store_entry(std::uint64_t key, const MoveList& list, int index, std::int32_t value, std::int32_t bound,
                 std::int32_t alpha, std::int32_t beta, std::int32_t depth, std::int32_t ply) {
  if (!hash_table) return;
  HashEntry& s = Slot(key);
  const bool deep_enough = depth - ply >= s.iteration_depth - s.ply;
  bool write;
  if (s.key == 0)
    write = true;
  else if (s.key == key)
    write = s.age != hash_age || deep_enough;
  else
    write = hash_age > s.age + 1 || deep_enough;  // entries two or more searches old count as free
  if (!write) return;
  s.key = key;
  s.best_move = list.move[index];
  s.value = value;
  s.bound = bound;
  s.ply = ply;
  s.iteration_depth = depth;
  s.alpha0 = alpha;
  s.beta0 = beta;
  s.age = hash_age;
}

namespace {

// The entry of this position when its draft reaches the current one, else null.
const HashEntry* Usable_entry(std::uint64_t key, std::int32_t ply, std::int32_t depth) {
  if (!hash_table) return nullptr;
  const HashEntry& s = Slot(key);
  if (s.key != key || s.iteration_depth - s.ply < depth - ply) return nullptr;
  return &s;
}

}  // namespace

std::int32_t Probe_white(std::uint64_t key, std::int32_t ply, std::int32_t depth, std::int32_t alpha, std::int32_t beta) {
  const HashEntry* s = Usable_entry(key, ply, depth);
  if (!s) return HASH_NO_HIT;
  const bool usable = (s->bound == BOUND_EXACT && s->value < beta) || (s->bound == BOUND_CUTOFF && s->value >= beta) ||
                      (s->bound == BOUND_ALL && s->value < alpha);
  return usable ? s->value : HASH_NO_HIT;
}

std::int32_t Probe_black(std::uint64_t key, std::int32_t ply, std::int32_t depth, std::int32_t alpha, std::int32_t beta) {
  const HashEntry* s = Usable_entry(key, ply, depth);
  if (!s) return HASH_NO_HIT;
  const bool usable = (s->bound == BOUND_EXACT && s->value > alpha) || (s->bound == BOUND_CUTOFF && s->value <= alpha) ||
                      (s->bound == BOUND_ALL && s->value > beta);
  return usable ? s->value : HASH_NO_HIT;
}

void Hash_move_first(MoveList& list, std::uint64_t key) {
  if (!hash_table) return;
  const HashEntry& s = Slot(key);
  if (s.key != key) return;
  for (int i = 0; i < list.move_count; ++i) {
    if (list.move[i] != s.best_move) continue;
    const Move move = list.move[i];
    const std::int32_t score = list.score[i];
    for (int j = i; j > 0; --j) {
      list.move[j] = list.move[j - 1];
      list.score[j] = list.score[j - 1];
    }
    list.move[0] = move;
    list.score[0] = score;
    return;
  }
}
