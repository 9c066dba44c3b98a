#include "platform/langinfo_locale.h"

#include <gtest/gtest.h>

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
      // Untranslatable: the fallback pattern stays.
      {"%C%y", "m/d/yy", "/"},
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

}  // namespace
