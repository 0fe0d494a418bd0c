// Protocol output: standard output is unbuffered, so every piece reaches the
// pipe as soon as it is written.
#pragma once

#include <cstdint>

// Switches standard output to unbuffered mode.
void Output_init();
void Write_text(const char* text);
void Write_int(std::int64_t value);
