// The 44 values that the chain reads from an INI file, in reading order, one
// line each, so that two INI readers can be compared on a corpus of files.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace corpus {

// Control bytes, bytes above 0x7E and the backslash are written as \xHH.
inline std::string Escape(std::string_view value) {
  std::string out;
  for (char c : value) {
    auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code > 0x7E || c == '\\') {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", code);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

// read(section, key) gives one value.
template <class Read>
std::string ChainValues(Read read) {
  std::string out;
  for (int slot = 1; slot <= 11; ++slot) {
    std::string section = "File" + std::to_string(slot);
    for (const char* key : {"Name", "CmdS", "Size", "Time"}) {
      out += section + "." + key + "=" + Escape(read(section, key)) + "\n";
    }
  }
  return out;
}

// The sections of an INI file and their lines, as the Windows functions list
// them: "[name]" for each section name in file order, then that name's lines.
// names() gives the section names; lines(name) the lines of that section, as
// key=value, or the key alone for a line without '='.
template <class Names, class Lines>
std::string SectionListing(Names names, Lines lines) {
  std::string out;
  for (const std::string& name : names()) {
    out += "[" + Escape(name) + "]\n";
    for (const std::string& line : lines(name)) out += Escape(line) + "\n";
  }
  return out;
}

}  // namespace corpus
