// Runs the built engine as a child process over pipes: the whole input is
// written to its standard input, which is then closed, and everything it
// writes is collected until it exits.
#pragma once

#include <string>

struct EngineRun {
  std::string out;     // everything written to standard output
  std::string err;     // everything written to standard error
  int exit_code = -1;  // exit status, or 128 + signal number when killed by a signal
  bool timed_out = false;
};

// Path of the engine binary, from TALVEX_BINARY; empty when not set.
std::string Engine_path();

// Runs the program at `path` on `input`, as Run_engine does.
EngineRun Run_program(const std::string& path, const std::string& input, int timeout_ms = 60000);

// Runs the engine on `input`. Gives up, kills the child and sets `timed_out`
// after `timeout_ms` milliseconds.
EngineRun Run_engine(const std::string& input, int timeout_ms = 60000);

// An engine driven line by line, for what must happen while it is busy
// (commands sent during a search).
class EngineSession {
 public:
  EngineSession();  // starts Engine_path()
  ~EngineSession();  // kills the engine if it still runs
  EngineSession(const EngineSession&) = delete;
  EngineSession& operator=(const EngineSession&) = delete;

  bool started() const { return child_ > 0; }
  // Writes `text` to the engine's standard input as it stands.
  void Send(const std::string& text);
  // Reads output until `needle` appears after offset `from`, or until the
  // timeout or the end of output; true when it appeared.
  bool Read_until(const std::string& needle, std::size_t from = 0, int timeout_ms = 30000);
  // Closes the engine's standard input.
  void Close_input();
  // Reads the rest of the output and waits for the exit; the exit code, or -1
  // when the engine had to be killed after the timeout.
  int Wait_exit(int timeout_ms = 30000);

  std::string out;  // everything read so far from standard output

 private:
  bool Read_some(int timeout_ms);  // false at end of output or on timeout
  int child_ = -1;
  int to_child_ = -1;
  int from_out_ = -1;
};
