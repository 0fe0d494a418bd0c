#include "hash/hash_table.h"

#include "board/board.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class HashTable : public ::testing::Test {
 protected:
  void SetUp() override {
    Init_hash();
    Clear_hash();
    hash_age = 0;
    list.move[0] = 0x01F343C0;
    list.move[1] = 0x06184100;
    list.capture_count = 0;
    list.move_count = 2;
  }
  void TearDown() override { Release_hash(); }

  MoveList list{};
};

}  // namespace

TEST_F(HashTable, SizesArePowersOfTwoWithinTheRequest) {
  struct Case {
    int megabytes;
    std::uint64_t slots;
  };
  const Case cases[] = {{1, 16384},   {2, 32768},    {3, 65536},     {4, 65536},      {16, 262144},     {64, 1048576},
                        {100, 2097152}, {128, 2097152}, {0, 16384},  {-7, 16384},     {1024, 16777216}, {5000, 16777216}};
  EXPECT_EQ(hash_mask + 1, 16384u);  // the default of a fresh table
  for (const Case& c : cases) {
    Set_hash_size(c.megabytes);
    ASSERT_NE(hash_table, nullptr);
    EXPECT_EQ(hash_mask + 1, c.slots) << c.megabytes;
    // The two spare entries past the last slot are part of the zero-filled block.
    EXPECT_EQ(hash_table[hash_mask + 2].key, 0u);
  }
}

TEST_F(HashTable, ReplacementByDraftAndAge) {
  const std::uint64_t key = 0x1234567800000001, other = key + (hash_mask + 1);  // same slot
  HashEntry& slot = hash_table[key & hash_mask];

  Store_entry(key, list, 0, 10, BOUND_EXACT, -5, 5, 6, 2);  // draft 4
  EXPECT_EQ(slot.key, key);
  EXPECT_EQ(slot.best_move, list.move[0]);
  EXPECT_EQ(slot.alpha0, -5);
  EXPECT_EQ(slot.beta0, 5);
  Store_entry(key, list, 1, 20, BOUND_EXACT, -5, 5, 6, 3);  // same search, shallower: kept
  EXPECT_EQ(slot.value, 10);
  Store_entry(key, list, 1, 30, BOUND_EXACT, -5, 5, 7, 3);  // equal draft: the new result wins
  EXPECT_EQ(slot.value, 30);
  hash_age = 1;
  Store_entry(key, list, 1, 40, BOUND_ALL, -5, 5, 2, 1);  // same position, earlier search: replaced
  EXPECT_EQ(slot.value, 40);
  EXPECT_EQ(slot.age, 1);

  hash_age = 2;  // the entry is one search old: another position needs an equal or deeper draft
  Store_entry(other, list, 0, 50, BOUND_EXACT, -5, 5, 5, 5);
  EXPECT_EQ(slot.key, key);
  Store_entry(other, list, 0, 50, BOUND_EXACT, -5, 5, 6, 5);
  EXPECT_EQ(slot.key, other);
  hash_age = 4;  // two searches old: always replaced
  Store_entry(key, list, 0, 60, BOUND_EXACT, -5, 5, 1, 1);
  EXPECT_EQ(slot.key, key);
  EXPECT_EQ(slot.value, 60);

  Clear_hash();
  EXPECT_EQ(Probe_white(key, 0, 0, -100, 100), HASH_NO_HIT);
  Store_entry(other, list, 0, 70, BOUND_EXACT, -5, 5, 1, 1);
  EXPECT_EQ(slot.key, other);
}

TEST_F(HashTable, ProbeRulesForBothColours) {
  const std::uint64_t key = 0xABCDEF0012345678;
  struct Case {
    int bound, value, alpha, beta;
    bool white_hit, black_hit;
  };
  const Case cases[] = {
      {BOUND_EXACT, 50, 49, 50, false, true},  {BOUND_EXACT, 49, 49, 50, true, false},
      {BOUND_CUTOFF, 50, 40, 50, true, false}, {BOUND_CUTOFF, 40, 40, 50, false, true},
      {BOUND_ALL, 39, 40, 50, true, false},    {BOUND_ALL, 51, 40, 50, false, true},
      {BOUND_ALL, 45, 40, 50, false, false},   {0, 45, 40, 50, false, false},
  };
  for (const Case& c : cases) {
    Clear_hash();
    Store_entry(key, list, 0, c.value, c.bound, 0, 0, 8, 3);  // draft 5
    EXPECT_EQ(Probe_white(key, 3, 8, c.alpha, c.beta), c.white_hit ? c.value : HASH_NO_HIT) << c.bound << " " << c.value;
    EXPECT_EQ(Probe_black(key, 3, 8, c.alpha, c.beta), c.black_hit ? c.value : HASH_NO_HIT) << c.bound << " " << c.value;
  }
  // A shallower stored draft is never used, the age is not looked at, another key never matches.
  Clear_hash();
  Store_entry(key, list, 0, 10, BOUND_EXACT, 0, 0, 8, 3);
  EXPECT_EQ(Probe_white(key, 2, 8, -100, 100), HASH_NO_HIT);
  hash_age = 9;
  EXPECT_EQ(Probe_white(key, 3, 8, -100, 100), 10);
  EXPECT_EQ(Probe_white(key ^ (std::uint64_t{1} << 40), 3, 8, -100, 100), HASH_NO_HIT);
}

TEST_F(HashTable, HashMoveFirstMatchesWholeWords) {
  const std::uint64_t key = 0x42;
  MoveList moves{};
  for (int i = 0; i < 5; ++i) {
    moves.move[i] = Make_move_word(0, MOVE_QUIET, i, i + 8, PAWN);
    moves.score[i] = 100 + i;
  }
  moves.move_count = 5;
  MoveList stored{};
  stored.move[0] = moves.move[3] | 1;  // the same squares but another captured piece
  Store_entry(key, stored, 0, 0, BOUND_EXACT, 0, 0, 1, 0);
  MoveList unchanged = moves;
  Hash_move_first(moves, key);
  EXPECT_EQ(0, std::memcmp(moves.move, unchanged.move, sizeof moves.move));

  stored.move[0] = moves.move[3];
  Store_entry(key, stored, 0, 0, BOUND_EXACT, 0, 0, 2, 0);
  Hash_move_first(moves, key + 1);  // another position's key: nothing moves
  EXPECT_EQ(moves.move[0], unchanged.move[0]);
  Hash_move_first(moves, key);
  const Move expected[5] = {unchanged.move[3], unchanged.move[0], unchanged.move[1], unchanged.move[2], unchanged.move[4]};
  const int scores[5] = {103, 100, 101, 102, 104};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(moves.move[i], expected[i]);
    EXPECT_EQ(moves.score[i], scores[i]);
  }
}

TEST(HashTableAbsent, CallsBeforeTheFirstTableTouchNothing) {
  Release_hash();
  MoveList list{};
  list.move_count = 1;
  Clear_hash();
  Store_entry(1, list, 0, 0, BOUND_EXACT, 0, 0, 1, 0);
  EXPECT_EQ(Probe_white(1, 0, 1, -1, 1), HASH_NO_HIT);
  EXPECT_EQ(Probe_black(1, 0, 1, -1, 1), HASH_NO_HIT);
  Hash_move_first(list, 1);
  EXPECT_EQ(hash_table, nullptr);
}
