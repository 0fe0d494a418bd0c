#include "board/move.h"

void Move_to_text(Move m, char* text) {
  const int from = Move_from(m), to = Move_to(m);
  text[0] = static_cast<char>('a' + (from & 7));
  text[1] = static_cast<char>('1' + (from >> 3));
  text[2] = static_cast<char>('a' + (to & 7));
  text[3] = static_cast<char>('1' + (to >> 3));
  int n = 4;
  const int type = Move_type(m);
  if (type > MOVE_PROMOTION) text[n++] = "  nbrq"[type % 10];
  text[n] = '\0';
}
