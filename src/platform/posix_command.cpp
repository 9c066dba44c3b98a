#include "platform/posix_command.h"

#include <string_view>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

std::vector<std::string> SplitParameters(const std::string& parameters) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  std::size_t i = 0;
  const std::size_t n = parameters.size();
  while (i < n) {
    char c = parameters[i];
    if (IsBlank(c)) {
      if (inArgument) arguments.push_back(current);
      current.clear();
      inArgument = false;
      ++i;
      continue;
    }
    if (c == '\\' && i + 1 < n && parameters[i + 1] == '\n') {
      i += 2;  // a continued line
      continue;
    }
    inArgument = true;
    if (c == '\'') {
      std::size_t close = parameters.find('\'', i + 1);
      if (close == std::string::npos) close = n;
      current.append(parameters, i + 1, close - i - 1);
      i = close + 1;
    } else if (c == '"') {
      for (++i; i < n && parameters[i] != '"'; ++i) {
        if (parameters[i] == '\\' && i + 1 < n &&
            std::string_view("\\\"$`\n").find(parameters[i + 1]) != std::string_view::npos) {
          ++i;
          if (parameters[i] == '\n') continue;  // a continued line
        }
        current += parameters[i];
      }
      ++i;
    } else if (c == '\\' && i + 1 < n) {
      current += parameters[i + 1];
      i += 2;
    } else {
      current += c;
      ++i;
    }
  }
  if (inArgument) arguments.push_back(current);
  return arguments;
}

std::vector<std::string> ProgramCandidates(const std::string& name, const char* pathVariable) {
  if (name.find('/') != std::string::npos) return {name};
  std::string directories = pathVariable != nullptr ? pathVariable : "/usr/local/bin:/usr/bin:/bin";
  std::vector<std::string> candidates;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = directories.find(':', start);
    std::string directory = directories.substr(start, end - start);
    candidates.push_back((directory.empty() ? std::string(".") : directory) + "/" + name);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return candidates;
}

std::string TerminalTitleSequence(const std::string& title) {
  std::string sequence = "\x1B]0;";
  for (char c : title) {
    auto code = static_cast<unsigned char>(c);
    sequence += (code < 0x20 || code == 0x7F) ? '?' : c;
  }
  sequence += '\a';
  return sequence;
}
