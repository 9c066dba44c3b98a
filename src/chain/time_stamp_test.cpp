#include "chain/time_stamp.h"

#include <gtest/gtest.h>

namespace {

using platform::LocaleSettings;
using platform::LocalTime;

// 14:03:05 on Monday 9 December 2002.
constexpr LocalTime kAfternoon{2002, 12, 9, 1, 14, 3, 5};

LocaleSettings German() {
  LocaleSettings locale;
  locale.shortDate = "dd.MM.yy";
  locale.dateSeparator = ".";
  locale.clock24 = true;
  locale.hourLeadingZero = true;
  return locale;
}

TEST(FormatTimeStamp, MatchesTheDocumentedExamples) {
  LocaleSettings designatorFirst;
  designatorFirst.markFirst = true;
  LocalTime midnight{2002, 12, 9, 1, 0, 0, 0};
  LocalTime oneSecondPast{2002, 12, 9, 1, 0, 0, 1};
  EXPECT_EQ(FormatTimeStamp(LocaleSettings{}, kAfternoon), "12/9/02 2:03:05 pm");
  EXPECT_EQ(FormatTimeStamp(German(), kAfternoon), "09.12.02 14:03:05");
  EXPECT_EQ(FormatTimeStamp(German(), midnight), "09.12.02");
  EXPECT_EQ(FormatTimeStamp(German(), oneSecondPast), "09.12.02 00:00:01");
  EXPECT_EQ(FormatLongTime(designatorFirst, kAfternoon), "pm 2:03:05");
  // Midnight on a 12-hour clock is never shown, but 00:00:01 is 12 o'clock.
  EXPECT_EQ(FormatTimeStamp(LocaleSettings{}, oneSecondPast), "12/9/02 12:00:01 am");
}

TEST(FormatLongTime, CountsHoursOnTheLocalesClock) {
  struct Case { int hour; bool clock24; bool zero; const char* text; };
  const Case cases[] = {
      {0, false, false, "12:03:05 am"}, {1, false, false, "1:03:05 am"},
      {11, false, true, "11:03:05 am"}, {12, false, false, "12:03:05 pm"},
      {13, false, true, "01:03:05 pm"}, {23, false, false, "11:03:05 pm"},
      {0, true, false, "0:03:05"},      {7, true, true, "07:03:05"},
      {23, true, false, "23:03:05"},
  };
  for (const Case& c : cases) {
    LocaleSettings locale;
    locale.clock24 = c.clock24;
    locale.hourLeadingZero = c.zero;
    LocalTime time = kAfternoon;
    time.hour = c.hour;
    EXPECT_EQ(FormatLongTime(locale, time), c.text) << c.hour;
  }
  LocaleSettings dotted;
  dotted.timeSeparator = ".";
  dotted.am = "";
  LocalTime morning = kAfternoon;
  morning.hour = 9;
  EXPECT_EQ(FormatLongTime(dotted, morning), "9.03.05 ");
}

TEST(FormatDate, WritesEveryElementOfThePattern) {
  LocaleSettings locale;
  locale.dateSeparator = "-";
  locale.timeSeparator = ".";
  LocalTime early{987, 3, 4, 0, 10, 0, 0};  // Sunday 4 March 987
  struct Case { const char* pattern; LocalTime time; const char* text; };
  const Case cases[] = {
      {"d dd ddd dddd", kAfternoon, "9 09 Mon Monday"},
      {"d dd ddd dddd", early, "4 04 Sun Sunday"},
      {"m mm mmm mmmm mmmmm", kAfternoon, "12 12 Dec December December"},
      {"M MM MMM MMMM", early, "3 03 Mar March"},
      {"y yy yyy yyyy yyyyy", kAfternoon, "02 02 2002 2002 2002"},
      {"yy yyyy", early, "87 0987"},
      // Letters match in either case, but a run is one letter in one case.
      {"Dd mM Yy", kAfternoon, "99 1212 0202"},
      {"DD.MM.YYYY", kAfternoon, "09.12.2002"},
      // The separators come from the locale.
      {"d/m/y", kAfternoon, "9-12-02"},
      {"d:m", kAfternoon, "9.12"},
      // Quoted text is copied without its marks; an unclosed mark runs to the end.
      {"'day' d \"of\" mmmm", kAfternoon, "day 9 of December"},
      {"d 'd/m\"y' m", kAfternoon, "9 d/m\"y 12"},
      {"d 'unclosed m y", kAfternoon, "9 unclosed m y"},
      {"''d\"\"", kAfternoon, "9"},
      // Other characters stand for themselves.
      {"d.m.y, (x) \xC3\xA9", kAfternoon, "9.12.02, (x) \xC3\xA9"},
      {"", kAfternoon, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDate(c.pattern, locale, c.time), c.text) << "pattern " << c.pattern;
  }
}

TEST(FormatDate, UsesTheLocalesNames) {
  LocaleSettings locale;
  locale.dayNames[1] = "lundi";
  locale.shortDayNames[1] = "lun.";
  locale.monthNames[11] = "d\xC3\xA9" "cembre";
  locale.shortMonthNames[11] = "d\xC3\xA9" "c.";
  EXPECT_EQ(FormatDate("dddd d mmmm yyyy, ddd mmm", locale, kAfternoon),
            "lundi 9 d\xC3\xA9" "cembre 2002, lun. d\xC3\xA9" "c.");
}

}  // namespace
