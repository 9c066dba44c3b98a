#include "chain/launch_entry.h"

#include "chain/chain_test_fixture.h"
#include "console/errors.h"

namespace {

using EventList = std::vector<std::string>;

class LaunchEntryTest : public ChainTest {};

TEST_F(LaunchEntryTest, ModeWordsMatchByteForByte) {
  struct Case { const char* size; const char* event; };
  const Case cases[] = {
      {"hide", "open:doc.txt|-p|0"},   {"normal", "open:doc.txt|-p|5"},
      {"min", "open:doc.txt|-p|2"},    {"max", "open:doc.txt|-p|3"},
      // Near misses are not waited for and get the ordinary show state.
      {"Wait", "open:doc.txt|-p|1"},   {" wait", "open:doc.txt|-p|1"},
      {"wait ", "open:doc.txt|-p|1"},  {"MAX", "open:doc.txt|-p|1"},
      {"", "open:doc.txt|-p|1"},       {"minimized", "open:doc.txt|-p|1"},
  };
  for (const Case& c : cases) {
    ResetFakes();
    EXPECT_TRUE(LaunchEntry("doc.txt", "-p", c.size));
    EXPECT_EQ(Events(), EventList{c.event}) << "Size \"" << c.size << "\"";
  }
}

TEST_F(LaunchEntryTest, WaitStartsTheCommandLineAndWritesItsResult) {
  EXPECT_TRUE(LaunchEntry("tool.exe", "-x", "wait"));
  EXPECT_EQ(Events(), (EventList{"wait:\"tool.exe\" -x|tool.exe|-x",
                              "write:" + Bullet() + "<\"tool.exe\" -x> done!\r\n"}));
}

TEST_F(LaunchEntryTest, FailedStartWritesFailedAndReportsIt) {
  fake::state.unstartable = {"missing.exe"};
  EXPECT_FALSE(LaunchEntry("missing.exe", "", "wait"));
  EXPECT_EQ(fake::state.Output(), Bullet() + "<\"missing.exe\" > failed!\r\n");
}

TEST_F(LaunchEntryTest, ShellStartWritesNothing) {
  fake::state.unstartable = {"doc.txt"};  // the shell's failures are never seen
  EXPECT_TRUE(LaunchEntry("doc.txt", "", "normal"));
  EXPECT_EQ(Events(), EventList{"open:doc.txt||5"});
  EXPECT_TRUE(fake::state.writes.empty());
}

// Output waiting in the buffer for a file or a pipe is handed over before any
// start, so that what the started program writes comes after it.
TEST_F(LaunchEntryTest, BufferedOutputIsHandedOverBeforeEveryStart) {
  for (const char* size : {"wait", "normal", "other"}) {
    fake::Reset();
    fake::state.outputKind = platform::OutputKind::Other;
    InitStandardOutput();
    PrintLine({Text("run line")});
    EXPECT_TRUE(fake::state.writes.empty());
    LaunchEntry("tool", "", size);
    ASSERT_GE(Events().size(), 2u) << size;
    EXPECT_EQ(Events()[0], "write:run line\r\n") << size;
    EXPECT_TRUE(Events()[1].starts_with(std::string(size) == "wait" ? "wait:" : "open:")) << size;
  }
}

TEST_F(LaunchEntryTest, RefusedHandOverEndsTheRunBeforeTheStart) {
  fake::state.outputKind = platform::OutputKind::Other;
  fake::state.failFromWrite = 0;
  InitStandardOutput();
  PrintLine({Text("run line")});
  EXPECT_THROW(LaunchEntry("tool", "", "wait"), EInOutError);
  EXPECT_EQ(Events(), std::vector<std::string>{"write-failed"});
}

TEST(CommandLine, QuotesNameAndKeepsEverythingElse) {
  EXPECT_EQ(CommandLine("tool.exe", "-x"), "\"tool.exe\" -x");
  EXPECT_EQ(CommandLine("tool.exe", ""), "\"tool.exe\" ");
  EXPECT_EQ(CommandLine("C:\\Program Files\\a b.exe", "/q \"x y\""),
            "\"C:\\Program Files\\a b.exe\" /q \"x y\"");
  EXPECT_EQ(CommandLine("\"quoted\".exe", " -a "), "\"\"quoted\".exe\"  -a ");
  EXPECT_EQ(CommandLine("rel\\tool", "\xE9"), "\"rel\\tool\" \xE9");
}

}  // namespace
