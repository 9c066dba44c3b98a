#include "console/output.h"

#include <gtest/gtest.h>

#include "console/errors.h"
#include "platform/platform-fake.h"

namespace {

using platform::OutputKind;

class OutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Reset();
    InitStandardOutput();
  }
};

TEST_F(OutputTest, LinesEndWithCrLfAndBytesPassUnchanged) {
  fake::state.outputKind = OutputKind::CharDevice;
  PrintLine({});
  PrintLine({Text("caf\xE9 \xFE"), Byte('!')});
  PrintText({Text("row"), Byte('\r')});
  EXPECT_EQ(fake::state.writes,
            (std::vector<std::string>{"\r\n", "caf\xE9 \xFE!\r\n", "row\r"}));
}

TEST_F(OutputTest, NumberPiecesArePaddedOnTheLeftAndNeverCut) {
  fake::state.outputKind = OutputKind::CharDevice;
  struct Case { std::int32_t number; int width; const char* text; };
  const Case cases[] = {{7, 2, " 7"}, {42, 2, "42"}, {100, 2, "100"}, {-5, 3, " -5"},
                        {0, 0, "0"},  {-2147483647 - 1, 2, "-2147483648"}};
  for (const Case& c : cases) {
    fake::state.writes.clear();
    PrintText({Number(c.number, c.width)});
    EXPECT_EQ(fake::state.Output(), c.text) << c.number << " width " << c.width;
  }
}

TEST_F(OutputTest, ConsoleGetsEveryOperationAtOnceInBlocksOf128) {
  fake::state.outputKind = OutputKind::CharDevice;
  std::string long_text(300, 'x');
  PrintLine({Text(long_text)});
  ASSERT_EQ(fake::state.writes.size(), 3u);
  EXPECT_EQ(fake::state.writes[0].size(), 128u);
  EXPECT_EQ(fake::state.writes[1].size(), 128u);
  EXPECT_EQ(fake::state.writes[2], std::string(44, 'x') + "\r\n");
}

TEST_F(OutputTest, FileGetsOnlyFullBlocksUntilTheFinalWriteOut) {
  fake::state.outputKind = OutputKind::Other;
  std::string expected;
  for (int i = 0; i < 20; ++i) {
    std::string line = "line " + std::to_string(i);
    PrintLine({Text(line)});
    expected += line + "\r\n";
    for (const std::string& block : fake::state.writes) EXPECT_EQ(block.size(), 128u);
  }
  EXPECT_EQ(fake::state.writes.size(), expected.size() / 128);
  FinalWriteOut();
  EXPECT_EQ(fake::state.Output(), expected);
}

TEST_F(OutputTest, StandardOutputNotAvailableFailsWithCode103AndIsRetried) {
  fake::state.outputKind = OutputKind::NotAvailable;
  try {
    PrintLine({Text("a"), Text("b")});
    FAIL() << "no error raised";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Code(), 103);
    EXPECT_EQ(error.Message(), "I/O error 103");
    EXPECT_EQ(error.Kind(), "EInOutError");
  }
  // Every piece tries to open again, the line end's bytes included.
  EXPECT_EQ(fake::state.openCalls, 4);
  fake::state.outputKind = OutputKind::CharDevice;
  PrintLine({Text("now")});
  EXPECT_EQ(fake::state.Output(), "now\r\n");
}

TEST_F(OutputTest, RefusedConsoleWriteRaisesWithTheSystemCodeOnce) {
  fake::state.outputKind = OutputKind::CharDevice;
  fake::state.failFromWrite = 0;
  fake::state.failCount = 1;
  fake::state.failCode = 5;
  try {
    PrintLine({Text("lost")});
    FAIL() << "no error raised";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Code(), 5);
    EXPECT_EQ(error.Message(), "File access denied");
  }
  // The check resets the code: the next line goes through.
  PrintLine({Text("kept")});
  EXPECT_EQ(fake::state.Output(), "kept\r\n");
}

TEST_F(OutputTest, RefusedFileBlockFailsOnlyTheOperationThatHandedItOver) {
  fake::state.outputKind = OutputKind::Other;
  fake::state.failFromWrite = 0;
  PrintLine({Text(std::string(100, 'a'))});  // stays in the buffer
  EXPECT_THROW(PrintLine({Text(std::string(40, 'b'))}), EInOutError);
  PrintLine({Text("c")});  // only adds to the buffer: no failure noticed
  FinalWriteOut();         // refused as well, and ignored
  EXPECT_TRUE(fake::state.writes.empty());
}

TEST_F(OutputTest, FailedHandOverDropsTheRestOfThePieceOnly) {
  fake::state.outputKind = OutputKind::Other;
  fake::state.failFromWrite = 0;
  fake::state.failCount = 1;
  EXPECT_THROW(PrintText({Text(std::string(200, 'a')), Text("next")}), EInOutError);
  FinalWriteOut();
  EXPECT_EQ(fake::state.Output(), "next");
}

TEST_F(OutputTest, TitleIsSetWhole) {
  SetTitle("Ordovan [run: a b]");
  EXPECT_EQ(fake::state.titles, std::vector<std::string>{"Ordovan [run: a b]"});
  EXPECT_TRUE(fake::state.writes.empty());
}

TEST(InOutErrorMessage, FollowsTheCode) {
  const std::pair<int, const char*> cases[] = {
      {2, "File not found"},     {3, "Invalid filename"},        {4, "Too many open files"},
      {5, "File access denied"}, {100, "Read beyond end of file"}, {101, "Disk full"},
      {106, "Invalid numeric input"}, {109, "I/O error 109"}, {0, "I/O error 0"},
      {-1, "I/O error -1"}};
  for (const auto& [code, message] : cases) EXPECT_EQ(InOutErrorMessage(code), message);
}

}  // namespace
