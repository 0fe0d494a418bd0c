// The command loop and the dispatcher.
#pragma once

#include <cstddef>

#include "board/board.h"

// Longest command line the engine accepts, without its line end.
constexpr std::size_t MAX_LINE_LENGTH = 65535;

// The line last read, NUL-terminated, without its line end.
extern char command_line[MAX_LINE_LENGTH + 1];

// The whole line equals `text`.
bool Line_is(const char* text);
// The line begins with `text`.
bool Line_starts_with(const char* text);
// Two NUL-terminated texts are equal.
bool Texts_equal(const char* a, const char* b);

// What reading a line met.
enum class LineRead { Line, End, TooLong };

// Reads the next line, without its line end, into `buffer` (room for
// MAX_LINE_LENGTH + 1 characters). A carriage return before the line feed is
// dropped; a last line without a line feed still counts. TooLong leaves the
// rest of the line unread.
LineRead Read_line(char* buffer);

// Reads up to and including the next line feed.
void Skip_rest_of_line();

// Reads the next line into `command_line`; false at end of input or when the
// line is longer than MAX_LINE_LENGTH.
bool Read_command_line();

// Handles the line in `command_line`.
void Dispatch(Board& board);

// Reads and dispatches lines until the input ends; returns the exit code 0.
int Command_loop();
