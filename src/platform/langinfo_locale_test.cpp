#include "platform/langinfo_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <ctime>
#include <random>

#include "chain/time_stamp.h"

#ifndef _WIN32
#include <langinfo.h>
#endif

namespace {

TEST(TranslateLangInfo, DateFormatsBecomeDatePatterns) {
  struct Case { const char* dateFormat; const char* pattern; const char* separator; };
  const Case cases[] = {
      {"%m/%d/%y", "MM'/'dd'/'yy", "/"},           // C, POSIX
      {"%d.%m.%Y", "dd'.'MM'.'yyyy", "."},         // de_DE
      {"%Y-%m-%d", "yyyy'-'MM'-'dd", "-"},         // sv_SE
      {"%D", "MM'/'dd'/'yy", "/"},
      {"%F", "yyyy'-'MM'-'dd", "-"},
      {"%e %b %Y", "d' 'MMM' 'yyyy", "/"},         // no separator: fallback
      {"%A %d de %B de %Y", "dddd' 'dd' de 'MMMM' de 'yyyy", "/"},
      {"%a %h %Ey", "ddd' 'MMM' 'yy", "/"},
      {"%d'%m", "dd\"'\"MM", "'"},
      {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5",  // ja_JP: non-ASCII text kept
       "yyyy'\xE5\xB9\xB4'MM'\xE6\x9C\x88'dd'\xE6\x97\xA5'", "/"},
      // glibc's flags and widths; %C%y is the four-digit year.
      {"%-d.%-m.%Y", "d'.'M'.'yyyy", "."},          // cs_CZ
      {"%y/%-m/%-d", "yy'/'M'/'d", "/"},            // ne_NP
      {"%_d %0e %4Y %^b", "d' 'dd' 'yyyy' 'MMM", "/"},
      {"%C%y", "yyyy", "/"},
      {"%OC%Oy %b %Od %A", "yyyy' 'MMM' 'dd' 'dddd", "/"},
      // Same letters side by side stay two elements; quotes come out exactly.
      {"%d%d", "dd''dd", "/"},
      {"%y%Y", "yy''yyyy", "/"},
      {"%b%m", "MMM''MM", "/"},
      {"%d'\"%m", "dd\"'\"'\"'MM", "'"},
      {"%d%n%t%%", "dd'\n\t%'", "/"},
      // Untranslatable: the fallback pattern stays.
      {"%C", "m/d/yy", "/"},
      {"%C-%y", "m/d/yy", "/"},
      {"%d %j", "m/d/yy", "/"},
      {"", "m/d/yy", "/"},
      {"%", "m/d/yy", "/"},
  };
  for (const Case& c : cases) {
    LangInfo info;
    info.dateFormat = c.dateFormat;
    platform::LocaleSettings locale = TranslateLangInfo(info);
    EXPECT_EQ(locale.shortDate, c.pattern) << c.dateFormat;
    EXPECT_EQ(locale.dateSeparator, c.separator) << c.dateFormat;
  }
}

TEST(TranslateLangInfo, TimeFormatsChooseTheClock) {
  struct Case {
    const char* timeFormat;
    const char* timeFormat12;
    bool clock24, zero, markFirst;
    const char* separator;
  };
  const Case cases[] = {
      {"%H:%M:%S", "%I:%M:%S %p", true, true, false, ":"},   // C
      {"%r", "%I:%M:%S %p", false, true, false, ":"},        // en_US
      {"%r", "%p %l.%M.%S", false, false, true, "."},
      {"%T", "", true, true, false, ":"},
      {"%k.%M", "", true, false, false, "."},
      {"%l:%M:%S %p", "", false, false, false, ":"},
      {"%p %I:%M", "", false, true, true, ":"},               // designator first
      {"%H:%M %p", "", false, true, false, ":"},              // %p means 12 hours
      {"%OH:%OM", "", true, true, false, ":"},
      {"%-H:%M", "", true, false, false, ":"},
      {"%_H:%M", "", true, false, false, ":"},
      {"%0k:%M", "", true, true, false, ":"},
      {"%-I:%M %p", "", false, false, false, ":"},
      // %r without a 12-hour format of the locale's own, as in gd_GB and hy_AM.
      {"%r", "", false, true, false, ":"},
      // No hour at all: the fallbacks.
      {"", "", false, false, false, ":"},
      {"%M:%S", "", false, false, false, ":"},
  };
  for (const Case& c : cases) {
    LangInfo info;
    info.timeFormat = c.timeFormat;
    info.timeFormat12 = c.timeFormat12;
    platform::LocaleSettings locale = TranslateLangInfo(info);
    EXPECT_EQ(locale.clock24, c.clock24) << c.timeFormat;
    EXPECT_EQ(locale.hourLeadingZero, c.zero) << c.timeFormat;
    EXPECT_EQ(locale.markFirst, c.markFirst) << c.timeFormat;
    EXPECT_EQ(locale.timeSeparator, c.separator) << c.timeFormat;
  }
}

TEST(TranslateLangInfo, NamesAndDesignatorsFallBackOnlyWhenEmpty) {
  LangInfo info;
  info.am = "";
  info.pm = "nachm.";
  info.dayNames[0] = "Sonntag";
  info.shortMonthNames[11] = "Dez";
  platform::LocaleSettings locale = TranslateLangInfo(info);
  EXPECT_EQ(locale.am, "");
  EXPECT_EQ(locale.pm, "nachm.");
  EXPECT_EQ(locale.dayNames[0], "Sonntag");
  EXPECT_EQ(locale.dayNames[1], "Monday");
  EXPECT_EQ(locale.shortMonthNames[11], "Dez");
  EXPECT_EQ(locale.monthNames[11], "December");
}

// 14:03:05 on Monday 9 December 2002.
constexpr platform::LocalTime kAfternoon{2002, 12, 9, 1, 14, 3, 5};

// The formats of real glibc locales, and the time stamps they give.
TEST(TranslateLangInfo, RealLocalesWriteDayAndMonthTheRightWayRound) {
  struct Case { const char* locale; const char* date; const char* time; const char* time12;
                const char* stamp; };
  const Case cases[] = {
      {"cs_CZ", "%-d.%-m.%Y", "%H:%M:%S", "", "9.12.2002 14:03:05"},
      {"hi_IN", "%-d/%-m/%y", "%I:%M:%S %p %Z", "%I:%M:%S %p %Z", "9/12/02 02:03:05 PM"},
      {"ne_NP", "%y/%-m/%-d", "%H:%M:%S", "%I:%M:%S %p", "02/12/9 14:03:05"},
      {"gd_GB", "%d/%m/%y", "%r", "", "09/12/02 02:03:05 PM"},
      {"hy_AM", "%m/%d/%y", "%r", "", "12/09/02 02:03:05 PM"},
      {"de_DE", "%d.%m.%Y", "%T", "", "09.12.2002 14:03:05"},
      {"en_US", "%m/%d/%Y", "%r", "%I:%M:%S %p", "12/09/2002 02:03:05 PM"},
      {"ja_JP", "%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", "%H:%M:%S", "",
       "2002\xE5\xB9\xB4" "12\xE6\x9C\x88" "09\xE6\x97\xA5 14:03:05"},
      {"my_MM", "%OC%Oy %b %Od %A", "%OH:%OM:%OS %p", "%OI:%OM:%OS %p",
       "2002 Dec 09 Monday 02:03:05 PM"},
  };
  for (const Case& c : cases) {
    LangInfo info;
    info.dateFormat = c.date;
    info.timeFormat = c.time;
    info.timeFormat12 = c.time12;
    info.am = "AM";
    info.pm = "PM";
    EXPECT_EQ(FormatTimeStamp(TranslateLangInfo(info), kAfternoon), c.stamp) << c.locale;
  }
}

TEST(TimeLocaleIsC, FollowsTheOrderOfTheVariables) {
  struct Case { const char* lcAll; const char* lcTime; const char* lang; bool c; };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, true},         {"", "", "", true},
      {nullptr, nullptr, "C.UTF-8", true},       {nullptr, nullptr, "C.utf8", true},
      {nullptr, nullptr, "POSIX", true},         {nullptr, nullptr, "de_DE.UTF-8", false},
      {nullptr, "C", "de_DE.UTF-8", true},       {"de_DE.UTF-8", "C", nullptr, false},
      {"C", "de_DE.UTF-8", "de_DE.UTF-8", true}, {"", "cs_CZ.UTF-8", "C", false},
      {nullptr, nullptr, "en_US", false},        {nullptr, nullptr, "C.ISO-8859-1", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TimeLocaleIsC(c.lcAll, c.lcTime, c.lang), c.c)
        << (c.lcAll ? c.lcAll : "-") << " " << (c.lcTime ? c.lcTime : "-") << " "
        << (c.lang ? c.lang : "-");
  }
}

#ifndef _WIN32
// Skipping C.UTF-8 is right only while its time formats and names are the C
// locale's, as they are in glibc.
TEST(TimeLocaleIsC, CUtf8HasTheTimeFormatsOfC) {
  const nl_item items[] = {D_FMT,   T_FMT,   T_FMT_AMPM, AM_STR,  PM_STR,  DAY_1,   DAY_7,
                           ABDAY_1, ABDAY_7, MON_1,      MON_12,  ABMON_1, ABMON_12};
  std::vector<std::string> c, utf8;
  std::string saved = std::setlocale(LC_TIME, nullptr);
  ASSERT_NE(std::setlocale(LC_TIME, "C"), nullptr);
  for (nl_item item : items) c.push_back(::nl_langinfo(item));
  ASSERT_NE(std::setlocale(LC_TIME, "C.UTF-8"), nullptr) << "no C.UTF-8 locale";
  for (nl_item item : items) utf8.push_back(::nl_langinfo(item));
  std::setlocale(LC_TIME, saved.c_str());
  EXPECT_EQ(utf8, c);
}

// (Only where strftime is glibc's, with its flags: this translation is for POSIX.)
// Random D_FMT texts made of the conversions a date pattern can hold and of
// literal text (letters, quotation marks, separators, UTF-8) give the same
// date as strftime of that format in the C locale. Not in the mix, by design:
// %e and %_d, which strftime pads with a blank and a date pattern cannot.
TEST(TranslateLangInfo, RandomDateFormatsAgreeWithStrftime) {
  const char* conversions[] = {"%d", "%-d", "%0e", "%m", "%-m", "%y", "%Y", "%C%y", "%EC%Ey",
                               "%b", "%h", "%B", "%a", "%A", "%D", "%F", "%%", "%n", "%t"};
  const char* literals[] = {"/", ".", "-", ":", " ", ", ", "'", "\"", "'\"'", "d", "m", "y",
                            "Day ", "MMM", "\xC3\xA9", "\xE5\xB9\xB4", "%%"};
  std::mt19937 random(20261211);
  LangInfo cLocale;  // the C locale's names are the English fallbacks
  for (int round = 0; round < 5000; ++round) {
    std::string format;
    int pieces = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < pieces; ++i) {
      if (random() % 3 == 0) {
        format += literals[random() % std::size(literals)];
      } else {
        format += conversions[random() % std::size(conversions)];
      }
    }
    int year = 1970 + static_cast<int>(random() % 130);
    int month = 1 + static_cast<int>(random() % 12);
    int day = 1 + static_cast<int>(random() % 28);
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = 12;
    std::time_t t = ::timegm(&tm);
    ::gmtime_r(&t, &tm);  // fills in the day of the week
    char expected[512];
    std::size_t length = std::strftime(expected, sizeof expected, format.c_str(), &tm);

    cLocale.dateFormat = format;
    platform::LocaleSettings locale = TranslateLangInfo(cLocale);
    platform::LocalTime time{year, month, day, tm.tm_wday, 12, 0, 0};
    ASSERT_EQ(FormatDate(locale.shortDate, locale, time), std::string(expected, length))
        << "format " << format << " pattern " << locale.shortDate;
  }
}

#endif

}  // namespace
