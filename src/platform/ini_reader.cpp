#include "platform/ini_reader.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' ||
         c == '\x1A';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

// Takes the next line off text; lines end with LF, CR LF or a lone CR.
std::string_view NextLine(std::string_view& text) {
  std::size_t end = text.find_first_of("\r\n");
  std::string_view line = text.substr(0, end);
  if (end == std::string_view::npos) {
    text = {};
  } else {
    text.remove_prefix(end + 1);
  }
  return line;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string ProfileValue(std::string_view fileText, std::string_view section,
                         std::string_view key) {
  if (fileText.starts_with("\xEF\xBB\xBF")) fileText.remove_prefix(3);
  section = Trim(section);
  key = Trim(key);
  enum { Before, Inside, After } where = Before;
  while (!fileText.empty() && where != After) {
    std::string_view line = Trim(NextLine(fileText));
    if (line.empty()) continue;
    if (line.front() == '[') {
      std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        if (where == Inside) where = After;
        else if (SameName(Trim(line.substr(1, close - 1)), section)) where = Inside;
        continue;
      }
    }
    if (where != Inside) continue;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (!SameName(Trim(line.substr(0, equals)), key)) continue;
    std::string_view value = Unquote(Trim(line.substr(equals + 1)));
    return std::string(value.substr(0, kMaxProfileValue));
  }
  return {};
}
