#include "protocol/poll.h"

#include <cstdlib>

#include "hash/hash_table.h"
#include "protocol/input.h"
#include "protocol/output.h"
#include "protocol/uci.h"

bool poll_reads_input = true;

void Poll_input(SearchControl& control) {
  if (poll_reads_input && Input_waiting()) {
    switch (Read_line(control.input_line)) {
      case LineRead::End:
        // Nobody is left to wait for the answer: end the search as "stop" does,
        // and the command loop then meets the end of input.
        control.stop = 1;
        break;
      case LineRead::TooLong:
        Skip_rest_of_line();
        break;
      case LineRead::Line:
        if (Texts_equal(control.input_line, "quit")) {
          Release_hash();
          std::exit(1);
        }
        if (Texts_equal(control.input_line, "stop")) control.stop = 1;
        // The protocol wants an answer at any time; the search goes on.
        if (Texts_equal(control.input_line, "isready")) Write_text("readyok \n\n");
        break;
    }
  }
  clock_now = Clock_ms();
  elapsed = Elapsed_seconds();
  if (control.abort_time > 0 && elapsed > control.abort_time) control.stop = 1;
  control.poll_count = 0;
}

std::int32_t Horizon_white(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta,
                           std::uint8_t pv, std::int32_t ply) {
  return Horizon<White>(control, board, alpha, beta, pv, ply);
}
std::int32_t Horizon_black(SearchControl& control, Board& board, std::int32_t alpha, std::int32_t beta,
                           std::uint8_t pv, std::int32_t ply) {
  return Horizon<Black>(control, board, alpha, beta, pv, ply);
}
