#include "platform/ini_reader.h"

#include <cstdint>

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

// A name or value ends at a NUL byte. The cut comes after the blanks have been
// dropped, so blanks just before a NUL stay, as with the Windows functions.
std::string_view CutAtNul(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

// Takes the next line off text; lines end with LF, CR LF or a lone CR. (A
// plain loop: find_first_of would search the set of two for every byte.)
std::string_view NextLine(std::string_view& text) {
  std::size_t end = 0;
  while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end < text.size() ? end + 1 : end);
  return line;
}

// The name of a section header line ("[name]", blanks and all), or false when
// the trimmed line is no header.
bool HeaderName(std::string_view line, std::string_view& name) {
  if (line.empty() || line.front() != '[') return false;
  std::size_t close = line.rfind(']');
  if (close == std::string_view::npos) return false;
  name = CutAtNul(Trim(line.substr(1, close - 1)));
  return true;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// UTF-16 text after its byte-order mark, as UTF-8. A last odd byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](std::size_t i) -> std::uint32_t {
    auto first = static_cast<unsigned char>(bytes[i]);
    auto second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (first << 8 | second) : (second << 8 | first);
  };
  constexpr std::uint32_t kReplacement = 0xFFFD;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    std::uint32_t code = unit(i);
    if (code >= 0xD800 && code <= 0xDBFF && i + 3 < bytes.size()) {
      std::uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    if (code >= 0xD800 && code <= 0xDFFF) code = kReplacement;
    AppendUtf8(out, code);
  }
  return out;
}

// The lines of the first section of a name: only that one counts. Empty when
// there is no such section.
// The name asked for is taken as it is, as GetPrivateProfileSectionA takes it.
std::string_view FirstSectionText(const PreparedProfile& profile, std::string_view section) {
  for (const ProfileSection& candidate : profile.sections) {
    if (SameName(candidate.name, section)) {
      return std::string_view(profile.text).substr(candidate.begin,
                                                   candidate.end - candidate.begin);
    }
  }
  return {};
}

}  // namespace

PreparedProfile PrepareProfile(std::string fileBytes) {
  PreparedProfile profile;
  std::string_view bytes = fileBytes;
  if (bytes.starts_with("\xFF\xFE")) {
    profile.text = Utf16ToUtf8(bytes.substr(2), false);
  } else if (bytes.starts_with("\xFE\xFF")) {
    profile.text = Utf16ToUtf8(bytes.substr(2), true);
  } else {
    if (bytes.starts_with("\xEF\xBB\xBF")) fileBytes.erase(0, 3);
    profile.text = std::move(fileBytes);
  }

  std::string_view rest = profile.text;
  while (!rest.empty()) {
    std::size_t lineStart = profile.text.size() - rest.size();
    std::string_view name;
    if (!HeaderName(Trim(NextLine(rest)), name)) continue;
    if (!profile.sections.empty()) profile.sections.back().end = lineStart;
    profile.sections.push_back({std::string(name), profile.text.size() - rest.size(),
                                profile.text.size()});
  }
  return profile;
}

std::string ProfileValue(const PreparedProfile& profile, std::string_view section,
                         std::string_view key) {
  key = Trim(key);
  std::string_view lines = FirstSectionText(profile, section);
  while (!lines.empty()) {
    std::string_view line = Trim(NextLine(lines));
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (!SameName(CutAtNul(Trim(line.substr(0, equals))), key)) continue;
    std::string_view value = Unquote(CutAtNul(Trim(line.substr(equals + 1))));
    return std::string(value.substr(0, kMaxProfileValue));
  }
  return {};
}

std::vector<std::string> ProfileSectionNames(const PreparedProfile& profile) {
  std::vector<std::string> names;
  for (const ProfileSection& section : profile.sections) {
    if (!section.name.empty()) names.push_back(section.name);
  }
  return names;
}

std::vector<ProfileLine> ProfileSectionLines(const PreparedProfile& profile,
                                             std::string_view section) {
  std::vector<ProfileLine> result;
  std::string_view lines = FirstSectionText(profile, section);
  while (!lines.empty()) {
    std::string_view line = Trim(NextLine(lines));
    if (line.empty() || line.front() == ';') continue;
    std::size_t equals = line.find('=');
    ProfileLine entry;
    entry.key = CutAtNul(Trim(line.substr(0, equals)));
    if (equals != std::string_view::npos) {
      entry.hasEquals = true;
      entry.value = CutAtNul(Trim(line.substr(equals + 1)));
    }
    result.push_back(std::move(entry));
  }
  return result;
}

std::string ProfileValue(std::string_view fileBytes, std::string_view section,
                         std::string_view key) {
  return ProfileValue(PrepareProfile(std::string(fileBytes)), section, key);
}
