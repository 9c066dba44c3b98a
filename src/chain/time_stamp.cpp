#include "chain/time_stamp.h"

#include <cstdio>

namespace {

platform::LocaleSettings runLocale;

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::string FormatDate(const std::string& pattern, const platform::LocaleSettings& locale,
                       const platform::LocalTime& time) {
  std::string out;
  std::size_t i = 0;
  while (i < pattern.size()) {
    char c = pattern[i];
    if (c == '\'' || c == '"') {
      std::size_t close = pattern.find(c, i + 1);
      if (close == std::string::npos) close = pattern.size();
      out.append(pattern, i + 1, close - i - 1);
      i = close + 1;
      continue;
    }
    if (!IsLetter(c)) {
      if (c == '/') out += locale.dateSeparator;
      else if (c == ':') out += locale.timeSeparator;
      else out += c;
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    i += run;
    switch (Lower(c)) {
      case 'd':
        if (run == 1) out += std::to_string(time.day);
        else if (run == 2) out += TwoDigits(time.day);
        else if (run == 3) out += locale.shortDayNames[time.dayOfWeek % 7];
        else out += locale.dayNames[time.dayOfWeek % 7];
        break;
      case 'm':
        if (run == 1) out += std::to_string(time.month);
        else if (run == 2) out += TwoDigits(time.month);
        else if (run == 3) out += locale.shortMonthNames[(time.month + 11) % 12];
        else out += locale.monthNames[(time.month + 11) % 12];
        break;
      case 'y':
        if (run <= 2) {
          out += TwoDigits(time.year % 100);
        } else {
          char year[16];
          std::snprintf(year, sizeof year, "%04d", time.year);
          out += year;
        }
        break;
      default:
        // Letters with no meaning in a date pattern stand for themselves.
        out.append(run, c);
        break;
    }
  }
  return out;
}

std::string FormatLongTime(const platform::LocaleSettings& locale,
                           const platform::LocalTime& time) {
  int hour = time.hour;
  const std::string& mark = hour < 12 ? locale.am : locale.pm;
  if (!locale.clock24) {
    if (hour == 0) hour = 12;
    else if (hour > 12) hour -= 12;
  }
  std::string out;
  if (!locale.clock24 && locale.markFirst) {
    out += mark;
    out += ' ';
  }
  out += locale.hourLeadingZero ? TwoDigits(hour) : std::to_string(hour);
  out += locale.timeSeparator;
  out += TwoDigits(time.minute);
  out += locale.timeSeparator;
  out += TwoDigits(time.second);
  if (!locale.clock24 && !locale.markFirst) {
    out += ' ';
    out += mark;
  }
  return out;
}

std::string FormatTimeStamp(const platform::LocaleSettings& locale,
                            const platform::LocalTime& time) {
  std::string stamp = FormatDate(locale.shortDate, locale, time);
  if (time.hour != 0 || time.minute != 0 || time.second != 0) {
    stamp += ' ';
    stamp += FormatLongTime(locale, time);
  }
  return stamp;
}

void InitTimeStampLocale() { runLocale = platform::ReadLocaleSettings(); }

const platform::LocaleSettings& TimeStampLocale() { return runLocale; }
