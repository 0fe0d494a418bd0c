// The "go" command.
#pragma once

#include "board/board.h"

// Reads the search limits from `command_line` and runs the search.
void Go_command(Board& board);
