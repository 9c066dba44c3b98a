// The Windows command-line splitter and the directory split with lead bytes.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "platform/command_line.h"

namespace {

bool HasSeparator(const std::string& text) {
  for (char c : text) {
    auto code = static_cast<unsigned char>(c);
    if (code >= 1 && code <= 32) return true;
  }
  return false;
}

void CheckCommandLine(const std::string& line) {
  std::string argument = FirstArgumentOfCommandLine(line);
  Require(argument.size() <= kMaxArgumentLength, "an argument holds at most 4096 bytes");
  if (line.find('"') == std::string::npos) {
    Require(!HasSeparator(argument), "no separator in an argument without quotation marks", line);
  }
  // Any X without a quotation mark (and without NUL, which ends a Windows
  // command line) comes back whole from prog "X".
  std::string x;
  for (char c : line) {
    if (c != '"' && c != '\0') x += c;
  }
  std::string quoted = FirstArgumentOfCommandLine("prog \"" + x + "\"");
  Require(quoted == x.substr(0, kMaxArgumentLength), "prog \"X\" gives X", x);
  Require(ArgumentOfCommandLine(line, 1) == argument, "the first argument is argument 1");
}

void CheckSplit(const std::string& input) {
  if (input.empty()) return;
  // The first byte chooses lead bytes: every byte with the same low bits.
  bool leadBytes[256] = {};
  auto pattern = static_cast<unsigned char>(input[0]);
  for (int byte = 0x81; byte < 256; ++byte) leadBytes[byte] = (byte & 7) == (pattern & 7);
  std::string path = input.substr(1);
  platform::ProgramLocation split = SplitAfterLastSeparator(path, "\\:", leadBytes);
  Require(split.directory + split.fileName == path, "directory and file name make the path", path);
  // Reference: the last separator byte that is not the second byte of a
  // double-byte character.
  std::size_t end = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (leadBytes[static_cast<unsigned char>(path[i])] && i + 1 < path.size()) {
      ++i;
    } else if (path[i] == '\\' || path[i] == ':') {
      end = i + 1;
    }
  }
  Require(split.directory.size() == end, "the split is after the last separator", path);
  platform::ProgramLocation plain = SplitAfterLastSeparator(path, "\\:");
  Require(plain.directory + plain.fileName == path, "the split without lead bytes keeps the path");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  CheckCommandLine(input);
  CheckSplit(input);
  return 0;
}
