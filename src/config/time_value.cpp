#include "config/time_value.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseHex(std::string_view digits, std::int32_t& value) {
  if (digits.empty()) return false;
  std::uint64_t total = 0;
  for (char c : digits) {
    int digit = HexDigit(c);
    if (digit < 0) return false;
    total = total * 16 + static_cast<unsigned>(digit);
    if (total > 0xFFFFFFFFu) return false;
  }
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(total));
  return true;
}

bool ParseDecimal(std::string_view text, std::int32_t& value) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
  std::uint64_t total = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    total = total * 10 + static_cast<unsigned>(c - '0');
    if (total > limit) return false;
  }
  value = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(total))
                   : static_cast<std::int32_t>(total);
  return true;
}

}  // namespace

bool IsTimeValue(std::string_view text, std::int32_t& value) {
  while (!text.empty() && text[0] == ' ') text.remove_prefix(1);
  value = 0;
  if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
    return ParseHex(text.substr(1), value);
  }
  if (text.starts_with("0x") || text.starts_with("0X")) return ParseHex(text.substr(2), value);
  return ParseDecimal(text, value);
}

std::int32_t ParseTimeValue(std::string_view text) {
  std::int32_t value = 0;
  return IsTimeValue(text, value) ? value : 0;
}
