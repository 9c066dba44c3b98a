#include "platform/posix_command.h"

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

namespace {

TEST(ProgramCandidates, LooksUpNamesWithoutASlashOnPath) {
  EXPECT_EQ(ProgramCandidates("./tool", "/bin"), Args{"./tool"});
  EXPECT_EQ(ProgramCandidates("/opt/x/tool", "/bin"), Args{"/opt/x/tool"});
  EXPECT_EQ(ProgramCandidates("sub/tool", "/bin"), Args{"sub/tool"});
  EXPECT_EQ(ProgramCandidates("tool", "/usr/bin:/bin"), (Args{"/usr/bin/tool", "/bin/tool"}));
  EXPECT_EQ(ProgramCandidates("tool", ":/bin:"), (Args{"./tool", "/bin/tool", "./tool"}));
  EXPECT_EQ(ProgramCandidates("my tool", nullptr),
            (Args{"/usr/local/bin/my tool", "/usr/bin/my tool", "/bin/my tool"}));
}

TEST(TerminalTitleSequence, ControlBytesCannotEscapeTheTitle) {
  EXPECT_EQ(TerminalTitleSequence("Ordovan [run: a b]"), "\x1B]0;Ordovan [run: a b]\a");
  EXPECT_EQ(TerminalTitleSequence("x\a\x1B]0;evil\x1B\\\x7F\x01\x1F"),
            "\x1B]0;x??]0;evil?\\???\a");
  EXPECT_EQ(TerminalTitleSequence("caf\xC3\xA9 \xFE"), "\x1B]0;caf\xC3\xA9 \xFE\a");
}

}  // namespace
