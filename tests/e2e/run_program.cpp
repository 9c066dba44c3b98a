#include "run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
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
  if (out == StandardOutput::BrokenPipe || out == StandardOutput::Pipe) {
    if (::pipe(pipeEnds) != 0) std::abort();
  }
  if (out == StandardOutput::BrokenPipe) {
    ::close(pipeEnds[0]);  // the reader is gone before the program starts
    pipeEnds[0] = -1;
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
      case StandardOutput::BrokenPipe:
      case StandardOutput::Pipe: ::dup2(pipeEnds[1], 1); break;
      case StandardOutput::Terminal: break;
      case StandardOutput::SizeLimited: {
        ::dup2(::open(outPath.c_str(), O_WRONLY | O_TRUNC), 1);
        rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        break;
      }
    }
    for (int fd = 3; fd < 256; ++fd) ::close(fd);
    Exec(argv, workingDirectory);
  }
  if (pipeEnds[1] >= 0) ::close(pipeEnds[1]);

  auto deadline = started + std::chrono::seconds(timeoutSeconds);
  auto since = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  };
  // A terminal is read while the program runs and drained after its end; a
  // pipe is read to its end, as a reader such as cat does, which may be later.
  int reader = terminal >= 0 ? terminal : out == StandardOutput::Pipe ? pipeEnds[0] : -1;
  int status = 0;
  bool ended = false;
  for (;;) {
    if (ended && (reader < 0 || terminal >= 0)) break;
    if (std::chrono::steady_clock::now() > deadline) {
      if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        result.timedOut = true;
        result.seconds = since();
      }
      break;
    }
    if (reader >= 0) {
      pollfd poller{reader, POLLIN, 0};
      if (::poll(&poller, 1, 5) > 0) {
        char buffer[4096];
        ssize_t got = ::read(reader, buffer, sizeof buffer);
        if (got > 0) {
          result.output.append(buffer, static_cast<std::size_t>(got));
          continue;
        }
        if (reader != terminal) {
          result.outputEndSeconds = since();
          ::close(reader);
          reader = -1;
        }
      }
    } else {
      ::usleep(5000);
    }
    if (!ended && ::waitpid(child, &status, WNOHANG) == child) {
      ended = true;
      result.seconds = since();
    }
  }
  if (reader >= 0 && reader != terminal) ::close(reader);
  if (terminal >= 0) {
    char buffer[4096];
    ssize_t got;
    pollfd poller{terminal, POLLIN, 0};
    while (::poll(&poller, 1, 100) > 0 && (got = ::read(terminal, buffer, sizeof buffer)) > 0) {
      result.output.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(terminal);
  } else if (out != StandardOutput::Pipe) {
    result.output = ReadWholeFile(outPath);
  }
  result.errors = ReadWholeFile(errPath);
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  if (!result.timedOut && WIFEXITED(status)) result.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}
