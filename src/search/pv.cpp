#include "search/pv.h"

PV_line best_line;
Move current_line[CURRENT_LINE_MOVES];
std::uint64_t path_keys[PATH_KEYS];
