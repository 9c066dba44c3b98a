// Test helper (POSIX): appends what its standard input, output and error are
// connected to, one line each, and then the set of signals it ignores (the
// SigIgn mask of /proc/self/status) to the file named by its first argument,
// then lives on for the milliseconds given by the second (0 if none).
//   record_fds FILE [MILLISECONDS]

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv) {
  if (argc < 2) return 64;
  std::ofstream out(argv[1], std::ios::app | std::ios::binary);
  for (int fd = 0; fd <= 2; ++fd) {
    char target[4096];
    std::string link = "/proc/self/fd/" + std::to_string(fd);
    ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
    out << fd << ":" << (length < 0 ? std::string("closed") : std::string(target, length)) << "\n";
  }
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("SigIgn:", 0) == 0) out << "ignored:" << line.substr(line.find_first_not_of(" \t", 7)) << "\n";
  }
  out.close();
  if (argc > 2) std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
  return 0;
}
