#include "protocol/uci.h"

#include <cstdlib>
#include <cstring>

#include "eval/eval_tables.h"
#include "hash/hash_table.h"
#include "hash/keys.h"
#include "protocol/go.h"
#include "protocol/input.h"
#include "protocol/output.h"
#include "protocol/position.h"

Board bitboard;
char command_line[MAX_LINE_LENGTH + 1];

bool Line_is(const char* text) { return std::strcmp(command_line, text) == 0; }

bool Line_starts_with(const char* text) { return std::strncmp(command_line, text, std::strlen(text)) == 0; }

bool Texts_equal(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

LineRead Read_line(char* buffer) {
  std::size_t n = 0;
  for (;;) {
    const int c = Input_get();
    if (c < 0) {
      if (n == 0) return LineRead::End;
      break;  // a last line without a line feed is still handled
    }
    if (c == '\n') break;
    if (n == MAX_LINE_LENGTH) {
      // A full line may still end in a carriage return and a line feed.
      if (c == '\r' && Input_peek() == '\n') {
        Input_get();
        break;
      }
      return LineRead::TooLong;
    }
    buffer[n++] = static_cast<char>(c);
  }
  if (n > 0 && buffer[n - 1] == '\r') --n;
  buffer[n] = '\0';
  return LineRead::Line;
}

void Skip_rest_of_line() {
  for (int c = Input_get(); c >= 0 && c != '\n'; c = Input_get()) {
  }
}

bool Read_command_line() { return Read_line(command_line) == LineRead::Line; }

namespace {

void Uci_command() {
  Write_text("id name Talvex_j2_6_Beta_26_12_2009\n");
  Write_text("id author Quillon88\n");
  Write_text("option name Hash type spin default 1 min 1 max 1024\n");
  Init_keys();
  Init_hash();
  Clear_hash();
  hash_age = 0;
  Write_text("uciok \n");
}

void Setoption_command() {
  static constexpr char hash_value[] = "Hash value ";
  const char* found = std::strstr(command_line, hash_value);
  if (!found) return;
  const int megabytes = std::atoi(found + sizeof hash_value - 1);
  if (megabytes == -1) return;
  Set_hash_size(megabytes);
  Clear_hash();
}

}  // namespace

void Dispatch(Board& board) {
  if (Line_is("uci")) {
    Uci_command();
  } else if (Line_starts_with("setoption ")) {
    Setoption_command();
  } else if (Line_is("isready")) {
    Init_eval_tables();
    Write_text("readyok \n\n");
  } else if (Line_starts_with("position ")) {
    Position_command(board);
  } else if (Line_starts_with("go")) {
    Go_command(board);
  } else if (Line_is("quit")) {
    Release_hash();
    std::exit(1);
  } else if (Line_is("ucinewgame")) {
    hash_age = 0;
    Clear_hash();
  } else if (Line_starts_with("debug ") || Line_is("ponderhit") || Line_is("stop")) {
    // accepted, no effect
  } else {
    Write_text("WARNING ! Unknown command\n");
  }
}

int Command_loop() {
  while (Read_command_line()) Dispatch(bitboard);
  return 0;
}
