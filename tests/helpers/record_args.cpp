// Test helper: appends its arguments, one per line, to the file named by its
// first argument, then exits with the status given by the second (0 if none).
//   record_args FILE [STATUS [ARGUMENTS...]]

#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
  if (argc < 2) return 64;
  std::ofstream out(argv[1], std::ios::app | std::ios::binary);
  out << "start\n";
  for (int i = 2; i < argc; ++i) out << "arg:" << argv[i] << "\n";
  out << "end\n";
  return argc > 2 ? std::atoi(argv[2]) : 0;
}
