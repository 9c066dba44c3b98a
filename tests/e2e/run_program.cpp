#include "run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

namespace {

std::string TempFile(const char* stem) {
  std::string name = std::string("/tmp/ordovan-e2e-") + stem + "-XXXXXX";
  int fd = ::mkstemp(name.data());
  if (fd >= 0) ::close(fd);
  return name;
}

[[noreturn]] void Exec(const std::vector<std::string>& argv, const std::string& directory) {
  if (::chdir(directory.c_str()) != 0) ::_exit(126);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  ::signal(SIGPIPE, SIG_DFL);
  ::execv(args[0], args.data());
  ::_exit(127);
}

}  // namespace

RunResult RunProgram(const std::vector<std::string>& argv, StandardOutput out,
                     const std::string& workingDirectory, int timeoutSeconds) {
  RunResult result;
  std::string outPath = TempFile("out");
  std::string errPath = TempFile("err");
  auto started = std::chrono::steady_clock::now();

  int pipeEnds[2] = {-1, -1};
  if (out == StandardOutput::BrokenPipe) {
    if (::pipe(pipeEnds) != 0) std::abort();
    ::close(pipeEnds[0]);  // the reader is gone before the program starts
  }
  int terminal = -1;
  pid_t child;
  if (out == StandardOutput::Terminal) {
    struct winsize size {24, 200, 0, 0};
    child = ::forkpty(&terminal, nullptr, nullptr, &size);
  } else {
    child = ::fork();
  }
  if (child < 0) std::abort();
  if (child == 0) {
    int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, 0);
    if (out != StandardOutput::Terminal) {
      int err = ::open(errPath.c_str(), O_WRONLY | O_TRUNC);
      ::dup2(err, 2);
    }
    switch (out) {
      case StandardOutput::File: ::dup2(::open(outPath.c_str(), O_WRONLY | O_TRUNC), 1); break;
      case StandardOutput::Closed: ::close(1); break;
      case StandardOutput::DiskFull: ::dup2(::open("/dev/full", O_WRONLY), 1); break;
      case StandardOutput::BrokenPipe: ::dup2(pipeEnds[1], 1); break;
      case StandardOutput::Terminal: break;
    }
    for (int fd = 3; fd < 256; ++fd) ::close(fd);
    Exec(argv, workingDirectory);
  }
  if (pipeEnds[1] >= 0) ::close(pipeEnds[1]);

  auto deadline = started + std::chrono::seconds(timeoutSeconds);
  int status = 0;
  for (;;) {
    if (terminal >= 0) {
      pollfd poller{terminal, POLLIN, 0};
      if (::poll(&poller, 1, 20) > 0) {
        char buffer[4096];
        ssize_t got = ::read(terminal, buffer, sizeof buffer);
        if (got > 0) {
          result.output.append(buffer, static_cast<std::size_t>(got));
          continue;
        }
      }
    } else {
      ::usleep(5000);
    }
    pid_t done = ::waitpid(child, &status, WNOHANG);
    if (done == child) break;
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      result.timedOut = true;
      break;
    }
  }
  if (terminal >= 0) {
    char buffer[4096];
    ssize_t got;
    pollfd poller{terminal, POLLIN, 0};
    while (::poll(&poller, 1, 100) > 0 && (got = ::read(terminal, buffer, sizeof buffer)) > 0) {
      result.output.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(terminal);
  } else {
    result.output = ReadWholeFile(outPath);
  }
  result.errors = ReadWholeFile(errPath);
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  result.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  if (!result.timedOut && WIFEXITED(status)) result.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}
