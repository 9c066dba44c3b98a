// Reads every corpus file with the system's own GetPrivateProfileStringA and
// compares the 44 values with the file's .values twin; with --write it writes
// the twins instead. Windows only: it shows what the real profile functions
// give, which the portable INI reader must match byte for byte.
//   ini_probe [--write] FILE.ini...

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "corpus_values.h"

namespace {

// A path as the test suite passes it (a POSIX path when run under Wine) in a
// form that the profile functions take; they never look in the current
// directory for a relative name.
std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string ValuesOf(const std::string& file) {
  std::string path = WindowsPath(file);
  return corpus::ChainValues([&](const std::string& section, const char* key) {
    char buffer[2048];
    DWORD length =
        GetPrivateProfileStringA(section.c_str(), key, "", buffer, sizeof buffer, path.c_str());
    return std::string(buffer, length);
  });
}

std::string Twin(const std::string& file) {
  return file.substr(0, file.size() - 4) + ".values";
}

}  // namespace

int main(int argc, char** argv) {
  bool write = argc > 1 && std::string(argv[1]) == "--write";
  int failures = 0;
  for (int i = write ? 2 : 1; i < argc; ++i) {
    std::string file = argv[i];
    std::string values = ValuesOf(file);
    if (write) {
      std::ofstream(WindowsPath(Twin(file)), std::ios::binary) << values;
      continue;
    }
    std::ifstream twin(WindowsPath(Twin(file)), std::ios::binary);
    std::string expected{std::istreambuf_iterator<char>(twin), std::istreambuf_iterator<char>()};
    if (values != expected) {
      ++failures;
      std::cout << "MISMATCH " << file << "\n--- system reader:\n" << values << "--- .values:\n"
                << expected;
    }
  }
  std::cout << (argc - (write ? 2 : 1) - failures) << " passed, " << failures << " failed\n";
  return failures == 0 ? 0 : 1;
}
