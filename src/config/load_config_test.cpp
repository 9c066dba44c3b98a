#include "config/load_config.h"

#include <gtest/gtest.h>

#include "console/output.h"
#include "main/end_program.h"
#include "platform/platform-fake.h"

namespace {

class LoadConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Reset();
    fake::state.outputKind = platform::OutputKind::CharDevice;
    InitStandardOutput();
    ReleaseChainTable();
  }
  void TearDown() override { ReleaseChainTable(); }

  // Runs LoadConfig and returns the exit status it ended with, or -1.
  static int Load() {
    try {
      LoadConfig();
    } catch (const fake::ProcessEnded& ended) {
      return ended.status;
    }
    return -1;
  }
};

TEST(ConfigPath, AppendsTheArgumentToTheProgramDirectoryUnchanged) {
  EXPECT_EQ(ConfigPath("C:\\Chain\\", ""), "C:\\Chain\\ordovan.ini");
  EXPECT_EQ(ConfigPath("C:\\Chain\\", "sub\\night.ini"), "C:\\Chain\\sub\\night.ini");
  EXPECT_EQ(ConfigPath("C:\\Chain\\", "D:\\chains\\a.ini"), "C:\\Chain\\D:\\chains\\a.ini");
  EXPECT_EQ(ConfigPath("C:\\Chain\\", "\\abs.ini"), "C:\\Chain\\\\abs.ini");
  EXPECT_EQ(ConfigPath("", "a.ini"), "a.ini");
}

TEST_F(LoadConfigTest, FillsTheTableFromTheDefaultFile) {
  fake::state.files["C:\\Chain\\ordovan.ini"] =
      "[File1]\r\nName=C:\\Tools\\backup.exe\r\nCmdS=/quiet\r\nSize=wait\r\nTime=5\r\n"
      "[File3]\r\nName=C:\\Docs\\report.html\r\nSize=max\r\nTime=10\r\n"
      "[File12]\r\nName=never.exe\r\n";
  EXPECT_EQ(Load(), -1);
  EXPECT_EQ(ChainTable[0].Name, "C:\\Tools\\backup.exe");
  EXPECT_EQ(ChainTable[0].CmdS, "/quiet");
  EXPECT_EQ(ChainTable[0].Size, "wait");
  EXPECT_EQ(ChainTable[0].Time, 5);
  EXPECT_EQ(ChainTable[2].Name, "C:\\Docs\\report.html");
  EXPECT_EQ(ChainTable[2].CmdS, "");
  EXPECT_EQ(ChainTable[2].Size, "max");
  EXPECT_EQ(ChainTable[2].Time, 10);
  for (int slot : {2, 4, 5, 6, 7, 8, 9, 10, 11}) {
    const ChainEntry& entry = ChainTable[slot - 1];
    EXPECT_TRUE(entry.Name.empty() && entry.CmdS.empty() && entry.Size.empty()) << slot;
    EXPECT_EQ(entry.Time, 0) << slot;
  }
  EXPECT_EQ(fake::state.profileReads, 44);
  EXPECT_TRUE(fake::state.writes.empty());
}

TEST_F(LoadConfigTest, AssignsEveryFieldAndCutsLongValues) {
  for (ChainEntry& entry : ChainTable) entry = {"old", "old", "old", 9};
  fake::state.firstArgument = "sub\\night.ini";
  fake::state.files["C:\\Chain\\sub\\night.ini"] =
      "[File7]\nName=" + std::string(3000, 'n') + "\nTime=$FFFFFFFF\n";
  EXPECT_EQ(Load(), -1);
  EXPECT_EQ(ChainTable[6].Name, std::string(2047, 'n'));
  EXPECT_EQ(ChainTable[6].Time, -1);
  for (int slot = 1; slot <= kChainSlots; ++slot) {
    if (slot == 7) continue;
    EXPECT_EQ(ChainTable[slot - 1].Name, "") << slot;
    EXPECT_EQ(ChainTable[slot - 1].Time, 0) << slot;
  }
}

TEST_F(LoadConfigTest, OpensTheReaderOnceAndClosesItAlsoWhenAReadFails) {
  fake::state.files["C:\\Chain\\ordovan.ini"] = "[File1]\nName=a\n";
  EXPECT_EQ(Load(), -1);
  EXPECT_EQ(fake::state.events,
            (std::vector<std::string>{"profile-open:C:\\Chain\\ordovan.ini", "profile-close"}));
  EXPECT_EQ(ChainTable[0].Name, "a");

  fake::Reset();
  fake::state.files["C:\\Chain\\ordovan.ini"] = "";
  fake::state.profileReadRunsOutOfMemory = true;
  EXPECT_THROW(Load(), std::bad_alloc);
  EXPECT_FALSE(fake::state.profileOpen);
}

TEST_F(LoadConfigTest, MissingFileWritesTwoLinesAndEndsWithStatus2) {
  fake::state.firstArgument = "D:\\chains\\a.ini";
  fake::state.files["D:\\chains\\a.ini"] = "[File1]\nName=x\n";  // not below the program
  EXPECT_EQ(Load(), kExitConfigMissing);
  EXPECT_EQ(fake::state.Output(),
            "\r\n" + std::string(kBullet) + "Configuration file not specified or not found!\r\n");
  EXPECT_EQ(fake::state.profileReads, 0);
  EXPECT_TRUE(fake::state.titles.empty());
}

}  // namespace
