#include "platform/parameters.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

TEST(SplitParameters, QuotesLikeAShellButExpandsNothing) {
  struct Case { const char* text; Args args; };
  const Case cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"-x", {"-x"}},
      {"  -a   -b\tc\n", {"-a", "-b", "c"}},
      {"'two words' \"and more\"", {"two words", "and more"}},
      {"a'b c'd", {"ab cd"}},
      {"'' \"\"", {"", ""}},
      {"'it''s'", {"its"}},
      {"\"say \\\"hi\\\"\"", {"say \"hi\""}},
      {"\"\\\\ \\$ \\` \\n\"", {"\\ $ ` \\n"}},
      {"'\\n' \\' \\\\ a\\ b", {"\\n", "'", "\\", "a b"}},
      {"a \\\n b", {"a", "b"}},
      {"\"a\\\nb\"", {"ab"}},
      {"$HOME ~ *.txt `id` $(id) ;|&>", {"$HOME", "~", "*.txt", "`id`", "$(id)", ";|&>"}},
      {"'unclosed text", {"unclosed text"}},
      {"\"unclosed \\\" text", {"unclosed \" text"}},
      {"trailing\\", {"trailing\\"}},
      {"caf\xC3\xA9 \xFE", {"caf\xC3\xA9", "\xFE"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitParameters(c.text), c.args) << c.text;
}

}  // namespace
