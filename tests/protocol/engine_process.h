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

// Runs the engine on `input`. Gives up, kills the child and sets `timed_out`
// after `timeout_ms` milliseconds.
EngineRun Run_engine(const std::string& input, int timeout_ms = 60000);
