#include "platform/command_line.h"

namespace {

bool IsSeparator(char c) {
  auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

// Reads the item that starts at or after pos and leaves pos behind it.
std::string NextItem(std::string_view line, std::size_t& pos) {
  for (;;) {
    while (pos < line.size() && IsSeparator(line[pos])) ++pos;
    if (line.substr(pos, 2) != "\"\"") break;
    pos += 2;
  }
  std::string item;
  while (pos < line.size() && !IsSeparator(line[pos])) {
    if (line[pos] == '"') {
      ++pos;
      while (pos < line.size() && line[pos] != '"') item += line[pos++];
      if (pos < line.size()) ++pos;
    } else {
      item += line[pos++];
    }
  }
  if (item.size() > kMaxArgumentLength) item.resize(kMaxArgumentLength);
  return item;
}

}  // namespace

std::string FirstArgumentOfCommandLine(std::string_view commandLine) {
  std::size_t pos = 0;
  NextItem(commandLine, pos);  // the program's own name
  return NextItem(commandLine, pos);
}

std::string FirstArgumentOfArgv(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (argument.empty()) continue;
    if (argument.size() > kMaxArgumentLength) argument.resize(kMaxArgumentLength);
    return argument;
  }
  return {};
}

platform::ProgramLocation SplitAfterLastSeparator(std::string_view path,
                                                    std::string_view separators,
                                                    const bool* leadBytes) {
  std::size_t end = 0;  // one past the last separator found
  for (std::size_t i = 0; i < path.size(); ++i) {
    auto byte = static_cast<unsigned char>(path[i]);
    if (leadBytes != nullptr && leadBytes[byte] && i + 1 < path.size()) {
      ++i;  // the trail byte of a double-byte character
    } else if (separators.find(path[i]) != std::string_view::npos) {
      end = i + 1;
    }
  }
  return {std::string(path.substr(0, end)), std::string(path.substr(end))};
}
