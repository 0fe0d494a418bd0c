#include "board/board.h"
#include "protocol/output.h"
#include "protocol/uci.h"

int main() {
  Output_init();
  return Command_loop();
}
