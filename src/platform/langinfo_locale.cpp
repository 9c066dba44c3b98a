#include "platform/langinfo_locale.h"

namespace {

// Appends literal text so that no letter in it is read as a pattern element.
void AppendLiteral(std::string& pattern, const std::string& text) {
  if (text.empty()) return;
  if (text.find('\'') == std::string::npos) {
    pattern += "'" + text + "'";
  } else {
    pattern += "\"" + text + "\"";
  }
}

bool IsSeparatorChar(char c) {
  auto code = static_cast<unsigned char>(c);
  return code > ' ' && code < 0x7F && !(c >= '0' && c <= '9') && !(c >= 'a' && c <= 'z') &&
         !(c >= 'A' && c <= 'Z');
}

// Walks a strftime format: literal bytes go to literal(c), conversions to
// conversion(c, at), where at is the position of their '%' and the E and O
// modifiers are left out; a '%' at the very end is conversion 0. Either
// callback may return false to stop the walk, which then returns false.
template <class Literal, class Conversion>
bool WalkFormat(const std::string& format, Literal literal, Conversion conversion) {
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      if (!literal(format[i])) return false;
      continue;
    }
    std::size_t at = i++;
    while (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
    if (!conversion(i < format.size() ? format[i] : '\0', at)) return false;
  }
  return true;
}

// A format with its compound conversions written out: %D, %F, %T, %R, and %r
// (by the 12-hour format given).
std::string Expand(const std::string& format, const std::string& format12) {
  std::string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      const char* expansion = nullptr;
      switch (format[i + 1]) {
        case 'D': expansion = "%m/%d/%y"; break;
        case 'F': expansion = "%Y-%m-%d"; break;
        case 'T': expansion = "%H:%M:%S"; break;
        case 'R': expansion = "%H:%M"; break;
        case 'r': expansion = format12.c_str(); break;
        case '%': expansion = "%%"; break;
        default: break;
      }
      if (expansion != nullptr) {
        out += expansion;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

// The first character that stands between two conversions of a format.
std::string FirstSeparator(const std::string& format) {
  bool afterConversion = false;
  std::string separator;
  WalkFormat(
      format,
      [&](char c) {
        if (afterConversion && IsSeparatorChar(c)) separator = c;
        return separator.empty();
      },
      [&](char, std::size_t) {
        afterConversion = true;
        return true;
      });
  return separator;
}

// The date pattern for a D_FMT, or false when it uses a conversion that has
// no place in a date pattern.
bool TranslateDate(const std::string& format, std::string& pattern) {
  std::string literal;
  bool translated = WalkFormat(
      format,
      [&](char c) {
        literal += c;
        return true;
      },
      [&](char c, std::size_t) {
        const char* element = nullptr;
        switch (c) {
          case 'd': element = "dd"; break;
          case 'e': element = "d"; break;
          case 'm': element = "MM"; break;
          case 'y': element = "yy"; break;
          case 'Y': element = "yyyy"; break;
          case 'b':
          case 'h': element = "MMM"; break;
          case 'B': element = "MMMM"; break;
          case 'a': element = "ddd"; break;
          case 'A': element = "dddd"; break;
          case '%': literal += '%'; return true;
          default: return false;
        }
        AppendLiteral(pattern, literal);
        literal.clear();
        pattern += element;
        return true;
      });
  AppendLiteral(pattern, literal);
  return translated && !pattern.empty();
}

struct ClockForm {
  bool found = false;
  bool clock24 = false;
  bool leadingZero = false;
  bool markFirst = false;
};

// What a time format says about the hour and the AM/PM designator: %I, %l
// and %p mean a 12-hour clock; %H and %I have two digits, %k and %l none.
ClockForm ReadClock(const std::string& format) {
  char hour = 0;
  std::size_t hourAt = 0, markAt = std::string::npos;
  WalkFormat(
      format, [](char) { return true; },
      [&](char c, std::size_t at) {
        if ((c == 'p' || c == 'P') && markAt == std::string::npos) markAt = at;
        if (hour == 0 && (c == 'H' || c == 'k' || c == 'I' || c == 'l')) {
          hour = c;
          hourAt = at;
        }
        return true;
      });
  ClockForm form;
  if (hour == 0) return form;
  form.found = true;
  form.leadingZero = hour == 'H' || hour == 'I';
  form.clock24 = (hour == 'H' || hour == 'k') && markAt == std::string::npos;
  form.markFirst = !form.clock24 && markAt < hourAt;
  return form;
}

}  // namespace

platform::LocaleSettings TranslateLangInfo(const LangInfo& info) {
  platform::LocaleSettings locale;
  std::string pattern;
  std::string dateFormat = Expand(info.dateFormat, "");
  if (TranslateDate(dateFormat, pattern)) {
    locale.shortDate = pattern;
    std::string separator = FirstSeparator(dateFormat);
    if (!separator.empty()) locale.dateSeparator = separator;
  }

  std::string timeFormat = Expand(info.timeFormat, info.timeFormat12);
  ClockForm clock = ReadClock(timeFormat);
  if (clock.found) {
    locale.clock24 = clock.clock24;
    locale.hourLeadingZero = clock.leadingZero;
    locale.markFirst = clock.markFirst;
  }
  std::string timeSeparator = FirstSeparator(timeFormat);
  if (!timeSeparator.empty()) locale.timeSeparator = timeSeparator;

  locale.am = info.am;
  locale.pm = info.pm;
  for (int i = 0; i < 7; ++i) {
    if (!info.dayNames[i].empty()) locale.dayNames[i] = info.dayNames[i];
    if (!info.shortDayNames[i].empty()) locale.shortDayNames[i] = info.shortDayNames[i];
  }
  for (int i = 0; i < 12; ++i) {
    if (!info.monthNames[i].empty()) locale.monthNames[i] = info.monthNames[i];
    if (!info.shortMonthNames[i].empty()) locale.shortMonthNames[i] = info.shortMonthNames[i];
  }
  return locale;
}
