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

std::string ArgumentOfCommandLine(std::string_view commandLine, int number) {
  std::size_t pos = 0;
  NextItem(commandLine, pos);  // the program's own name
  std::string item;
  for (int i = 0; i < number; ++i) item = NextItem(commandLine, pos);
  return item;
}

std::string FirstArgumentOfCommandLine(std::string_view commandLine) {
  return ArgumentOfCommandLine(commandLine, 1);
}

std::string ArgumentOfArgv(int argc, char** argv, int number) {
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (argument.empty() || --number > 0) continue;
    if (argument.size() > kMaxArgumentLength) argument.resize(kMaxArgumentLength);
    return argument;
  }
  return {};
}

std::string FirstArgumentOfArgv(int argc, char** argv) { return ArgumentOfArgv(argc, argv, 1); }

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

std::vector<std::string> WindowsProgramCandidates(const std::string& name,
                                                  const std::vector<std::string>& directories) {
  std::size_t last = name.find_last_of("\\/:");
  std::string lastElement = last == std::string::npos ? name : name.substr(last + 1);
  std::string file = lastElement.find('.') == std::string::npos ? name + ".exe" : name;
  if (last != std::string::npos) return {file};
  std::vector<std::string> candidates;
  for (std::string directory : directories) {
    if (directory.empty()) continue;
    if (directory.back() != '\\' && directory.back() != '/') directory += '\\';
    candidates.push_back(directory + file);
  }
  return candidates;
}

std::vector<std::string> SplitWindowsPath(std::string_view pathValue) {
  std::vector<std::string> directories;
  while (!pathValue.empty()) {
    std::size_t end = pathValue.find(';');
    std::string directory;
    for (char c : pathValue.substr(0, end)) {
      if (c != '"') directory += c;
    }
    if (!directory.empty()) directories.push_back(directory);
    if (end == std::string_view::npos) break;
    pathValue.remove_prefix(end + 1);
  }
  return directories;
}
