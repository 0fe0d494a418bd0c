#include "protocol/output.h"

#include <cstdio>

void Output_init() { std::setvbuf(stdout, nullptr, _IONBF, 0); }

void Write_text(const char* text) { std::fputs(text, stdout); }

void Write_int(std::int64_t value) { std::printf("%lld", static_cast<long long>(value)); }
