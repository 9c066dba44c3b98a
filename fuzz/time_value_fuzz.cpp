// The Time number rules, against a small reference written from the rules
// themselves: leading blanks; decimal with an optional sign within the 32-bit
// range; or a hexadecimal prefix ($, 0x, 0X, x, X) and up to 32 bits of
// digits, as two's complement; anything else is 0.

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/time_value.h"
#include "fuzz_check.h"

namespace {

bool Reference(std::string text, std::int64_t& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  text = text.substr(i);
  std::string digits;
  int base = 10;
  bool negative = false;
  if (!text.empty() && text[0] == '$') {
    base = 16, digits = text.substr(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16, digits = text.substr(2);
  } else if (!text.empty() && (text[0] == 'x' || text[0] == 'X')) {
    base = 16, digits = text.substr(1);
  } else if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-', digits = text.substr(1);
  } else {
    digits = text;
  }
  if (digits.empty()) return false;
  // Big enough for any digit string: count the value in a long double-free
  // way, stopping as soon as it is out of range.
  std::uint64_t total = 0;
  for (char c : digits) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    total = total * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (total > 0xFFFFFFFFull) return false;
  }
  if (base == 16) {
    value = total >= 0x80000000ull ? static_cast<std::int64_t>(total) - 0x100000000ll
                                   : static_cast<std::int64_t>(total);
    return true;
  }
  value = negative ? -static_cast<std::int64_t>(total) : static_cast<std::int64_t>(total);
  return value >= -2147483648ll && value <= 2147483647ll;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::int64_t expected = 0;
  if (!Reference(text, expected)) expected = 0;
  std::int32_t got = ParseTimeValue(text);
  Require(got == expected, "Time follows the number rules",
          "text \"" + text + "\" gave " + std::to_string(got) + ", not " + std::to_string(expected));
  std::int32_t checked = 0;
  bool valid = IsTimeValue(text, checked);
  Require(checked == got && (valid || got == 0), "IsTimeValue agrees with ParseTimeValue", text);
  return 0;
}
