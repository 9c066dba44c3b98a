// The translation of the locale's strftime formats into a date pattern, and
// the date formatter: a D_FMT made of the conversions a date pattern holds
// and of literal text gives the date strftime gives in the C locale. Other
// inputs, as raw formats of every item, must translate and format without
// fault.

#include <clocale>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

#include "chain/time_stamp.h"
#include "fuzz_check.h"
#include "platform/langinfo_locale.h"

namespace {

// Conversions that a date pattern writes exactly as strftime does in the C
// locale. Left out by design: %e and %_d, which strftime pads with a blank.
const char* const kConversions[] = {"%d",  "%-d", "%0e", "%m",     "%-m", "%y", "%Y",
                                    "%C%y", "%EC%Ey", "%b", "%h",  "%B",  "%a", "%A",
                                    "%D",  "%F",  "%%",  "%n",     "%t",  "%Oy", "%Ey"};

int DaysIn(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

void CheckAgainstStrftime(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return;
  int year = 1000 + (data[0] << 8 | data[1]) % 9000;
  int month = 1 + data[2] % 12;
  int day = 1 + data[3] % DaysIn(year, month);
  std::string format;
  for (std::size_t i = 4; i < size; ++i) {
    std::uint8_t byte = data[i];
    if (byte % 3 == 0) {
      if (byte != '%' && byte != 0) format += static_cast<char>(byte);
    } else {
      format += kConversions[(byte / 3) % std::size(kConversions)];
    }
  }
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = 12;
  std::time_t t = ::timegm(&tm);
  ::gmtime_r(&t, &tm);
  char expected[8192];
  std::size_t length = std::strftime(expected, sizeof expected, format.c_str(), &tm);
  if (length == 0 && !format.empty()) return;  // too long for the buffer

  LangInfo info;  // the C locale's names are the English fallbacks
  info.dateFormat = format;
  platform::LocaleSettings locale = TranslateLangInfo(info);
  platform::LocalTime time{year, month, day, tm.tm_wday, 12, 0, 0};
  std::string got = FormatDate(locale.shortDate, locale, time);
  if (format.empty()) return;  // no pattern at all: the fallback stays
  Require(got == std::string(expected, length), "the date equals strftime's in the C locale",
          "format: " + format + "\npattern: " + locale.shortDate + "\ngot: " + got +
              "\nstrftime: " + std::string(expected, length));
}

void CheckRawFormats(const std::uint8_t* data, std::size_t size) {
  // The input holds the three formats and the designators, NUL-separated.
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string fields[5];
  for (int i = 0, start = 0; i < 5; ++i) {
    std::size_t end = text.find('\0', static_cast<std::size_t>(start));
    if (end == std::string::npos) end = text.size();
    if (static_cast<std::size_t>(start) <= text.size()) fields[i] = text.substr(start, end - start);
    start = static_cast<int>(end) + 1;
  }
  LangInfo info;
  info.dateFormat = fields[0];
  info.timeFormat = fields[1];
  info.timeFormat12 = fields[2];
  info.am = fields[3];
  info.pm = fields[4];
  platform::LocaleSettings locale = TranslateLangInfo(info);
  for (int hour : {0, 11, 12, 23}) {
    std::string stamp = FormatTimeStamp(locale, {2002, 12, 9, 1, hour, 3, 5});
    Require(!stamp.empty() || locale.shortDate.empty(), "a time stamp is written");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckAgainstStrftime(data, size);
  CheckRawFormats(data, size);
  return 0;
}
