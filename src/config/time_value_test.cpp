#include "config/time_value.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseTimeValue, FollowsTheNumberRules) {
  struct Case { const char* text; std::int32_t value; };
  const Case cases[] = {
      {"5", 5}, {"  5", 5}, {"5 ", 0}, {"+7", 7}, {"-3", -3}, {"010", 10}, {"0", 0},
      {"-0", 0}, {"$1F", 31}, {"0x1F", 31}, {"0X1F", 31}, {"x1F", 31}, {"X1F", 31},
      {"$1f", 31}, {"-$10", 0}, {"-0x10", 0}, {"+$10", 0}, {"$-10", 0}, {"0x+1", 0},
      {"1.5", 0}, {"5s", 0}, {"abc", 0}, {"", 0}, {"   ", 0}, {"\t5", 0}, {"+", 0},
      {"-", 0}, {"$", 0}, {"0x", 0}, {"x", 0}, {"0x1G", 0}, {" -12", -12}, {"- 1", 0},
      // 32-bit edges, decimal.
      {"2147483647", 2147483647}, {"2147483648", 0}, {"-2147483648", -2147483647 - 1},
      {"-2147483649", 0}, {"00000000002147483647", 2147483647}, {"99999999999999999999", 0},
      // 32-bit edges, hexadecimal: two's complement, at most eight digits.
      {"$7FFFFFFF", 2147483647}, {"$80000000", -2147483647 - 1}, {"$FFFFFFFF", -1},
      {"$100000000", 0}, {"$000000000001", 1}, {"0x0000000FFFFFFFF", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseTimeValue(c.text), c.value) << "text \"" << c.text << "\"";
  }
}

}  // namespace
