#pragma once

#include <cstdint>
#include <string_view>

// Reads a pause length the way the configuration file writes it: leading
// blanks, then decimal with an optional sign, or hexadecimal after "$", "0x",
// "0X", "x" or "X" (no sign, at most 32 bits, two's complement). Anything else,
// including trailing characters and out-of-range values, gives 0.
std::int32_t ParseTimeValue(std::string_view text);

// The same rules, telling whether the text follows them; value is 0 when not.
bool IsTimeValue(std::string_view text, std::int32_t& value);
