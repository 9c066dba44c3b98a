// Reads one value from the text of an INI file the way the Windows profile
// functions do, for platforms that do not have them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxProfileValue = 2047;

// The value of key in section, or the empty text when either is missing.
// Section and key names match without regard to ASCII letter case; blanks
// around names and values are dropped; one pair of matching quotation marks
// around a value is removed; the first matching section and, within it, the
// first matching key count. At most 2047 bytes are returned.
std::string ProfileValue(std::string_view fileText, std::string_view section,
                         std::string_view key);
