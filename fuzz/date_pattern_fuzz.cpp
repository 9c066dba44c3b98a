// The date formatter on any pattern: it never faults, and text that holds no
// letter, no quotation mark and no separator character comes out unchanged,
// after as well as before any pattern.

#include <cstddef>
#include <cstdint>
#include <string>

#include "chain/time_stamp.h"
#include "fuzz_check.h"

namespace {

bool IsPlain(char c) {
  return !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'' || c == '"' || c == '/' ||
           c == ':');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  platform::LocalTime time{1 + (data[0] << 4 | data[1] >> 4) % 9999, 1 + data[1] % 12,
                           1 + data[2] % 31,  data[2] % 7, 14, 3, 5};
  std::string pattern(reinterpret_cast<const char*>(data) + 3, size - 3);
  platform::LocaleSettings locale;
  std::string date = FormatDate(pattern, locale, time);

  std::string plain;
  for (char c : pattern) {
    if (IsPlain(c)) plain += c;
  }
  Require(FormatDate(plain, locale, time) == plain, "plain text stands for itself", plain);
  // A pattern with balanced quotation marks ends where its text ends.
  std::size_t quotes = 0;
  for (char c : pattern) quotes += c == '\'' || c == '"';
  if (quotes == 0) {
    Require(FormatDate(pattern + "' '" + plain, locale, time) == date + " " + plain,
            "quoted and plain text follow a pattern unchanged", pattern);
  }
  return 0;
}
