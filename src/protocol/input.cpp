#include "protocol/input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Bytes drawn from the operating system and not yet handed out.
struct InputBuffer {
  char bytes[4096];
  int start = 0;
  int end = 0;
  bool closed = false;  // end of input (or a read error) has been seen
};

InputBuffer input;

// Refills an empty buffer, waiting for data; false at end of input.
bool Fill() {
  if (input.start < input.end) return true;
  if (input.closed) return false;
  for (;;) {
    const ssize_t n = read(STDIN_FILENO, input.bytes, sizeof input.bytes);
    if (n > 0) {
      input.start = 0;
      input.end = static_cast<int>(n);
      return true;
    }
    if (n < 0 && errno == EINTR) continue;
    input.closed = true;
    return false;
  }
}

}  // namespace

int Input_get() {
  if (!Fill()) return -1;
  return static_cast<unsigned char>(input.bytes[input.start++]);
}

int Input_peek() {
  if (!Fill()) return -1;
  return static_cast<unsigned char>(input.bytes[input.start]);
}

bool Input_waiting() {
  if (input.start < input.end || input.closed) return true;
  pollfd fd{STDIN_FILENO, POLLIN, 0};
  const int ready = poll(&fd, 1, 0);
  // A hang-up or an error also counts: the next read returns at once.
  return ready > 0 && (fd.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) != 0;
}
