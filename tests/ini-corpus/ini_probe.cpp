// Reads every corpus file with the system's own GetPrivateProfileStringA and
// compares the 44 values with the file's .values twin, and the listing of its
// sections by GetPrivateProfileSectionNamesA and GetPrivateProfileSectionA
// with its .sections twin; with --write it writes the twins instead. Windows only: it shows what the real profile functions
// give, which the portable INI reader must match byte for byte.
//   ini_probe [--write] FILE.ini...

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

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

// A double-NUL-terminated list of texts from one of the profile functions,
// given room enough: fill(buffer, size) returns what the function returns.
template <class Fill>
std::vector<std::string> TextList(Fill fill) {
  for (DWORD size = 4096;; size *= 2) {
    std::vector<char> buffer(size);
    DWORD length = fill(buffer.data(), size);
    if (length + 2 >= size) continue;  // cut short: try again with more room
    std::vector<std::string> texts;
    for (const char* text = buffer.data(); *text != '\0'; text += std::strlen(text) + 1) {
      texts.emplace_back(text);
    }
    return texts;
  }
}

std::string SectionsOf(const std::string& file) {
  std::string path = WindowsPath(file);
  return corpus::SectionListing(
      [&] {
        return TextList([&](char* buffer, DWORD size) {
          return GetPrivateProfileSectionNamesA(buffer, size, path.c_str());
        });
      },
      [&](const std::string& name) {
        return TextList([&](char* buffer, DWORD size) {
          return GetPrivateProfileSectionA(name.c_str(), buffer, size, path.c_str());
        });
      });
}

std::string Twin(const std::string& file, const char* extension) {
  return file.substr(0, file.size() - 4) + extension;
}

bool Compare(const std::string& file, const char* extension, const std::string& got) {
  std::ifstream twin(WindowsPath(Twin(file, extension)), std::ios::binary);
  std::string expected{std::istreambuf_iterator<char>(twin), std::istreambuf_iterator<char>()};
  if (got == expected) return true;
  std::cout << "MISMATCH " << Twin(file, extension) << "\n--- system reader:\n" << got
            << "--- twin:\n" << expected;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  bool write = argc > 1 && std::string(argv[1]) == "--write";
  int failures = 0;
  for (int i = write ? 2 : 1; i < argc; ++i) {
    std::string file = argv[i];
    std::string values = ValuesOf(file);
    std::string sections = SectionsOf(file);
    if (write) {
      std::ofstream(WindowsPath(Twin(file, ".values")), std::ios::binary) << values;
      std::ofstream(WindowsPath(Twin(file, ".sections")), std::ios::binary) << sections;
      continue;
    }
    bool same = Compare(file, ".values", values);
    if (!Compare(file, ".sections", sections)) same = false;
    if (!same) ++failures;
  }
  std::cout << (argc - (write ? 2 : 1) - failures) << " passed, " << failures << " failed\n";
  return failures == 0 ? 0 : 1;
}
