// Test helper: sleeps, then says so on standard output and, when given a
// file name, creates that file.
//   sleeper MILLISECONDS [MARKER_FILE]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

int main(int argc, char** argv) {
  if (argc < 2) return 64;
  std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[1])));
  std::fputs("sleeper-ended\n", stdout);
  std::fflush(stdout);
  if (argc > 2) std::ofstream(argv[2]) << "ended\n";
  return 0;
}
