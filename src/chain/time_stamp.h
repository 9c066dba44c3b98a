// The local date and time that opens every "Run:" line, written by the user's
// locale settings.
#pragma once

#include <string>

#include "platform/platform.h"

// The date by a short date pattern: d dd ddd dddd for the day, m mm mmm mmmm
// for the month, y yy or yyy and longer for the year, / and : for the
// separators, quoted text copied without its marks, anything else as itself.
// Letters match in either case; a run of one letter in one case is one element.
std::string FormatDate(const std::string& pattern, const platform::LocaleSettings& locale,
                       const platform::LocalTime& time);

// The time as hours, minutes and seconds on the locale's 12- or 24-hour clock.
std::string FormatLongTime(const platform::LocaleSettings& locale,
                           const platform::LocalTime& time);

// The date, then a blank and the time, except at exactly midnight, when the
// date stands alone.
std::string FormatTimeStamp(const platform::LocaleSettings& locale,
                            const platform::LocalTime& time);

// The locale settings of this run, read once at start-up.
void InitTimeStampLocale();
const platform::LocaleSettings& TimeStampLocale();
