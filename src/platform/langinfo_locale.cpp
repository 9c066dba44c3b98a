#include "platform/langinfo_locale.h"

#include <string_view>

namespace {

// Appends literal text so that it comes out exactly: runs without a single
// quotation mark go between single ones, single quotation marks between
// double ones.
void AppendLiteral(std::string& pattern, const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    bool quotes = text[i] == '\'';
    std::size_t end = i;
    while (end < text.size() && (text[end] == '\'') == quotes) ++end;
    char mark = quotes ? '"' : '\'';
    pattern += mark;
    pattern.append(text, i, end - i);
    pattern += mark;
    i = end;
  }
}

bool IsSeparatorChar(char c) {
  auto code = static_cast<unsigned char>(c);
  return code > ' ' && code < 0x7F && !(c >= '0' && c <= '9') && !(c >= 'a' && c <= 'z') &&
         !(c >= 'A' && c <= 'Z');
}

// One conversion of a strftime format, such as %-d or %Ey.
struct Conversion {
  char letter = 0;       // 0 for a '%' at the very end
  char flag = 0;         // the last of the flags - _ 0 ^ #, or 0
  std::size_t at = 0;    // position of its '%'
  std::size_t end = 0;   // position just after it
};

// Walks a strftime format: literal bytes go to literal(c), conversions to
// conversion(c); glibc's flags and a field width are read, the E and O
// modifiers left out. Either callback may return false to stop the walk,
// which then returns false.
template <class Literal, class OnConversion>
bool WalkFormat(const std::string& format, Literal literal, OnConversion conversion) {
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      if (!literal(format[i])) return false;
      continue;
    }
    Conversion c;
    c.at = i++;
    while (i < format.size() && std::string_view("-_0^#").find(format[i]) != std::string_view::npos) {
      c.flag = format[i++];
    }
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
    while (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
    c.letter = i < format.size() ? format[i] : '\0';
    c.end = i + 1;
    if (!conversion(c)) return false;
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
      [&](const Conversion&) {
        afterConversion = true;
        return true;
      });
  return separator;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The date pattern element for one conversion, or nullptr when it has none.
// The flags - and _ drop a leading zero, 0 adds one.
const char* DateElement(const Conversion& c) {
  bool unpadded = c.flag == '-' || c.flag == '_';
  switch (c.letter) {
    case 'd': return unpadded ? "d" : "dd";
    case 'e': return c.flag == '0' ? "dd" : "d";
    case 'm': return unpadded ? "M" : "MM";
    case 'y': return "yy";
    case 'Y': return "yyyy";
    case 'b':
    case 'h': return "MMM";
    case 'B': return "MMMM";
    case 'a': return "ddd";
    case 'A': return "dddd";
    default: return nullptr;
  }
}

// The date pattern for a D_FMT, or false when it uses a conversion that has
// no place in a date pattern.
bool TranslateDate(const std::string& format, std::string& pattern) {
  std::string literal;
  // %C is only understood as the first half of a four-digit year, %C%y.
  std::size_t centuryEnd = std::string::npos;
  bool translated = WalkFormat(
      format,
      [&](char c) {
        literal += c;
        return centuryEnd == std::string::npos;
      },
      [&](const Conversion& c) {
        const char* element = DateElement(c);
        if (centuryEnd != std::string::npos) {
          if (c.letter != 'y' || c.at != centuryEnd) return false;
          centuryEnd = std::string::npos;
          element = "yyyy";
        }
        switch (c.letter) {
          case 'C': centuryEnd = c.end; return true;
          case '%': literal += '%'; return true;
          case 'n': literal += '\n'; return true;
          case 't': literal += '\t'; return true;
          default: break;
        }
        if (element == nullptr) return false;
        AppendLiteral(pattern, literal);
        literal.clear();
        // Two elements of the same letter side by side would run together
        // into one (dd and dd into dddd): an empty quotation keeps them apart.
        if (!pattern.empty() && Lower(pattern.back()) == Lower(element[0])) pattern += "''";
        pattern += element;
        return true;
      });
  AppendLiteral(pattern, literal);
  return translated && centuryEnd == std::string::npos && !pattern.empty();
}

struct ClockForm {
  bool found = false;
  bool clock24 = false;
  bool leadingZero = false;
  bool markFirst = false;
};

// What a time format says about the hour and the AM/PM designator: %I, %l
// and %p mean a 12-hour clock; %H and %I have two digits, %k and %l none,
// unless a flag says otherwise (- and _ drop the zero, 0 adds it).
ClockForm ReadClock(const std::string& format) {
  Conversion hour;
  std::size_t markAt = std::string::npos;
  WalkFormat(
      format, [](char) { return true; },
      [&](const Conversion& c) {
        if ((c.letter == 'p' || c.letter == 'P') && markAt == std::string::npos) markAt = c.at;
        if (hour.letter == 0 &&
            (c.letter == 'H' || c.letter == 'k' || c.letter == 'I' || c.letter == 'l')) {
          hour = c;
        }
        return true;
      });
  ClockForm form;
  if (hour.letter == 0) return form;
  form.found = true;
  bool twoDigits = hour.letter == 'H' || hour.letter == 'I';
  form.leadingZero = twoDigits ? hour.flag != '-' && hour.flag != '_' : hour.flag == '0';
  form.clock24 = (hour.letter == 'H' || hour.letter == 'k') && markAt == std::string::npos;
  form.markFirst = !form.clock24 && markAt < hour.at;
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

  // Like glibc, %r stands for %I:%M:%S %p when the locale gives no 12-hour format.
  std::string timeFormat = Expand(
      info.timeFormat, info.timeFormat12.empty() ? "%I:%M:%S %p" : info.timeFormat12);
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

bool TimeLocaleIsC(const char* lcAll, const char* lcTime, const char* lang) {
  const char* name = "";
  for (const char* value : {lcAll, lcTime, lang}) {
    if (value != nullptr && *value != '\0') {
      name = value;
      break;
    }
  }
  for (const char* c : {"", "C", "POSIX", "C.UTF-8", "C.utf8"}) {
    if (std::string_view(name) == c) return true;
  }
  return false;
}
