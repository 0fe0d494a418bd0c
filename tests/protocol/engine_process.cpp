#include "protocol/engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

std::string Engine_path() {
  const char* path = std::getenv("TALVEX_BINARY");
  return path ? path : "";
}

namespace {

void Close(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

// Appends what is readable on `fd`; closes it at end of file.
void Drain(int& fd, std::string& into) {
  char buffer[65536];
  const ssize_t n = read(fd, buffer, sizeof buffer);
  if (n > 0)
    into.append(buffer, static_cast<std::size_t>(n));
  else if (n == 0 || (errno != EAGAIN && errno != EINTR))
    Close(fd);
}

}  // namespace

EngineRun Run_engine(const std::string& input, int timeout_ms) { return Run_program(Engine_path(), input, timeout_ms); }

EngineRun Run_program(const std::string& path, const std::string& input, int timeout_ms) {
  EngineRun run;
  // The engine may stop reading before the input is written out (after "quit"
  // or an overlong line); the write must then fail instead of killing us.
  signal(SIGPIPE, SIG_IGN);

  int in_pipe[2], out_pipe[2], err_pipe[2];
  if (pipe2(in_pipe, O_CLOEXEC) != 0 || pipe2(out_pipe, O_CLOEXEC) != 0 || pipe2(err_pipe, O_CLOEXEC) != 0) return run;

  const pid_t child = fork();
  if (child == 0) {
    dup2(in_pipe[0], STDIN_FILENO);
    dup2(out_pipe[1], STDOUT_FILENO);
    dup2(err_pipe[1], STDERR_FILENO);
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in_pipe[0]);
  close(out_pipe[1]);
  close(err_pipe[1]);
  if (child < 0) {
    close(in_pipe[1]);
    close(out_pipe[0]);
    close(err_pipe[0]);
    return run;
  }

  int to_child = in_pipe[1], from_out = out_pipe[0], from_err = err_pipe[0];
  for (int fd : {to_child, from_out, from_err}) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);

  std::size_t written = 0;
  if (input.empty()) Close(to_child);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (from_out >= 0 || from_err >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      run.timed_out = true;
      kill(child, SIGKILL);
      break;
    }
    pollfd fds[3] = {{from_out, POLLIN, 0}, {from_err, POLLIN, 0}, {to_child, POLLOUT, 0}};
    if (poll(fds, 3, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
    if (from_out >= 0 && fds[0].revents) Drain(from_out, run.out);
    if (from_err >= 0 && fds[1].revents) Drain(from_err, run.err);
    if (to_child >= 0 && fds[2].revents) {
      const ssize_t n = write(to_child, input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      // A broken pipe means the engine has closed its input: stop writing.
      if ((n < 0 && errno != EAGAIN && errno != EINTR) || written == input.size()) Close(to_child);
    }
  }
  Close(to_child);
  Close(from_out);
  Close(from_err);

  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) run.exit_code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.exit_code = 128 + WTERMSIG(status);
  return run;
}

EngineSession::EngineSession() {
  signal(SIGPIPE, SIG_IGN);
  int in_pipe[2], out_pipe[2];
  if (pipe2(in_pipe, O_CLOEXEC) != 0 || pipe2(out_pipe, O_CLOEXEC) != 0) return;
  const std::string path = Engine_path();
  const pid_t child = fork();
  if (child == 0) {
    dup2(in_pipe[0], STDIN_FILENO);
    dup2(out_pipe[1], STDOUT_FILENO);
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in_pipe[0]);
  close(out_pipe[1]);
  to_child_ = in_pipe[1];
  from_out_ = out_pipe[0];
  if (child < 0) {
    Close(to_child_);
    Close(from_out_);
    return;
  }
  child_ = child;
}

EngineSession::~EngineSession() {
  if (child_ > 0) {
    kill(child_, SIGKILL);
    int status = 0;
    waitpid(child_, &status, 0);
  }
  Close(to_child_);
  Close(from_out_);
}

void EngineSession::Send(const std::string& text) {
  std::size_t written = 0;
  while (to_child_ >= 0 && written < text.size()) {
    const ssize_t n = write(to_child_, text.data() + written, text.size() - written);
    if (n > 0) {
      written += static_cast<std::size_t>(n);
    } else if (errno != EINTR) {
      break;
    }
  }
}

bool EngineSession::Read_some(int timeout_ms) {
  if (from_out_ < 0) return false;
  pollfd fd{from_out_, POLLIN, 0};
  if (poll(&fd, 1, timeout_ms) <= 0) return false;
  Drain(from_out_, out);
  return true;
}

bool EngineSession::Read_until(const std::string& needle, std::size_t from, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (out.find(needle, from) == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !Read_some(static_cast<int>(left.count()))) return out.find(needle, from) != std::string::npos;
  }
  return true;
}

void EngineSession::Close_input() { Close(to_child_); }

int EngineSession::Wait_exit(int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (from_out_ >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    Read_some(static_cast<int>(left.count()));
  }
  if (from_out_ >= 0) {
    kill(child_, SIGKILL);
    int status = 0;
    waitpid(child_, &status, 0);
    child_ = -1;
    return -1;
  }
  int status = 0;
  while (waitpid(child_, &status, 0) < 0 && errno == EINTR) {
  }
  child_ = -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + WTERMSIG(status);
}
