// Reads values from the text of an INI file the way the Windows profile
// functions do, for platforms that do not have them. Pure: no system calls.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

inline constexpr std::size_t kMaxProfileValue = 2047;

// One section of a prepared file: its name as written (blanks around it
// dropped, cut at a NUL byte) and where its lines lie in the text.
struct ProfileSection {
  std::string name;
  std::size_t begin = 0;  // just after the header line
  std::size_t end = 0;    // at the next header, or the end of the text
};

// An INI file made ready for many reads: the text in the reader's encoding
// and its sections, found once.
struct PreparedProfile {
  std::string text;
  std::vector<ProfileSection> sections;  // in file order, repeats included
};

// Takes a file's bytes exactly as they are on disk. A UTF-8 byte-order mark is
// dropped; a file that starts with FF FE or FE FF is UTF-16 (little- or
// big-endian) and is decoded into UTF-8, with U+FFFD for an unpaired
// surrogate; any other file is read byte for byte.
PreparedProfile PrepareProfile(std::string fileBytes);

// The value of key in section, or the empty text when either is missing.
// Section and key names match without regard to ASCII letter case; blanks
// around names and values are dropped; a name or value ends at a NUL byte;
// one pair of matching quotation marks around a value is removed; the first
// matching section and, within it, the first matching key count. At most
// 2047 bytes are returned.
std::string ProfileValue(const PreparedProfile& profile, std::string_view section,
                         std::string_view key);

// The same, straight from a file's bytes as they are on disk.
std::string ProfileValue(std::string_view fileBytes, std::string_view section,
                         std::string_view key);

using platform::ProfileLine;

// The names of the sections, in file order, repeats included; a section with
// an empty name is not listed.
std::vector<std::string> ProfileSectionNames(const PreparedProfile& profile);

// The lines of the first section of that name (matched as ProfileValue
// matches it), without blank lines and comment lines (';' first): the key
// and the value after the first '=', blanks around both dropped and both cut
// at a NUL byte, quotation marks and length kept as written.
std::vector<ProfileLine> ProfileSectionLines(const PreparedProfile& profile,
                                             std::string_view section);
