// Turns the POSIX locale's strftime-style formats into the date pattern and
// clock settings that time stamps are written with. Pure: no system calls.
#pragma once

#include <string>

#include "platform/platform.h"

struct LangInfo {
  std::string dateFormat;    // D_FMT, such as "%m/%d/%y"
  std::string timeFormat;    // T_FMT, such as "%H:%M:%S"
  std::string timeFormat12;  // T_FMT_AMPM, such as "%I:%M:%S %p"
  std::string am, pm;        // AM_STR, PM_STR
  std::string dayNames[7], shortDayNames[7];         // DAY_1.., ABDAY_1.. (Sunday first)
  std::string monthNames[12], shortMonthNames[12];   // MON_1.., ABMON_1..
};

// Every item that cannot be translated keeps its fallback.
platform::LocaleSettings TranslateLangInfo(const LangInfo& info);

// Whether the time formats that setlocale(LC_TIME, "") would load are those
// of the C locale, which the program starts with: the locale named by the
// first of LC_ALL, LC_TIME and LANG that is set and not empty is C, POSIX or
// C.UTF-8 (whose time formats and names are the C locale's), or there is none.
// Then loading it can be skipped. Null stands for a variable that is not set.
bool TimeLocaleIsC(const char* lcAll, const char* lcTime, const char* lang);
