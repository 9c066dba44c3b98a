#include "main/program_flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "config/load_config.h"
#include "console/errors.h"
#include "console/output.h"
#include "main/end_program.h"
#include "platform/platform-fake.h"

namespace {

class ProgramFlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Reset();
    InitStandardOutput();
    ReleaseChainTable();
  }
  void TearDown() override { ReleaseChainTable(); }

  static int Run() {
    try {
      RunProgram();
    } catch (const fake::ProcessEnded& ended) {
      return ended.status;
    }
    ADD_FAILURE() << "RunProgram returned";
    return -1;
  }

  static std::string Banner() {
    return std::string(BannerLine()) + "\r\n" + std::string(NoticeLine()) + "\r\n";
  }
};

TEST(Banner, FirstLineIsExactly73BytesAndNoLineHasABullet) {
  EXPECT_EQ(BannerLine().size(), 73u);
  EXPECT_TRUE(BannerLine().starts_with("Ordovan "));
  EXPECT_NE(NoticeLine().find("The Ordovan authors"), std::string_view::npos);
  EXPECT_NE(NoticeLine().find("https://"), std::string_view::npos);
  EXPECT_EQ(BannerLine().find(kBullet), std::string_view::npos);
}

TEST_F(ProgramFlowTest, EmptyChainPrintsBannerAndClosingLineOnly) {
  fake::state.outputKind = platform::OutputKind::Other;
  fake::state.files["C:\\Chain\\ordovan.ini"] = "[File1]\nName=\nSize=wait\nTime=30\n";
  EXPECT_EQ(Run(), kExitOk);
  EXPECT_EQ(fake::state.Output(), Banner() + std::string(kBullet) + "Done.\r\n");
  EXPECT_EQ(fake::state.titles, std::vector<std::string>{"Ordovan [done]"});
  EXPECT_EQ(fake::state.events.back(), "exit:0");
}

TEST_F(ProgramFlowTest, FailedStartEndsTheCompletedRunWithStatus3) {
  fake::state.outputKind = platform::OutputKind::Other;
  fake::state.files["C:\\Chain\\ordovan.ini"] =
      "[File1]\nName=gone.exe\nSize=wait\n[File2]\nName=doc.txt\n";
  fake::state.unstartable = {"gone.exe"};
  EXPECT_EQ(Run(), kExitStartFailed);
  EXPECT_TRUE(fake::state.Output().ends_with(std::string(kBullet) + "Done.\r\n"));
  EXPECT_EQ(fake::state.titles.back(), "Ordovan [done]");
  EXPECT_NE(std::find(fake::state.events.begin(), fake::state.events.end(), "open:doc.txt||1"),
            fake::state.events.end());
}

TEST_F(ProgramFlowTest, MissingConfigurationEndsWithStatus2AndNoTitle) {
  fake::state.outputKind = platform::OutputKind::CharDevice;
  EXPECT_EQ(Run(), kExitConfigMissing);
  EXPECT_EQ(fake::state.Output(), Banner() + "\r\n" + std::string(kBullet) +
                                      "Configuration file not specified or not found!\r\n");
  EXPECT_TRUE(fake::state.titles.empty());
}

TEST_F(ProgramFlowTest, EndReleasesTheTableAndWritesOutTheRest) {
  fake::state.outputKind = platform::OutputKind::Other;
  fake::state.files["C:\\Chain\\ordovan.ini"] = "";
  ChainTable[4].Name = "left over";
  EXPECT_EQ(Run(), kExitOk);
  EXPECT_TRUE(fake::state.Output().ends_with(std::string(kBullet) + "Done.\r\n"));
  for (const ChainEntry& entry : ChainTable) EXPECT_TRUE(entry.Name.empty());
}

TEST_F(ProgramFlowTest, FailedWriteIsReportedAndEndsWithStatus1) {
  fake::state.outputKind = platform::OutputKind::CharDevice;
  fake::state.files["C:\\Chain\\ordovan.ini"] = "";
  fake::state.failFromWrite = 1;  // the notice line
  fake::state.failCount = 1;
  fake::state.failCode = 109;
  EXPECT_EQ(Run(), kExitError);
  ASSERT_EQ(fake::state.writes.size(), 2u);
  EXPECT_EQ(fake::state.writes[0], std::string(BannerLine()) + "\r\n");
  EXPECT_TRUE(std::regex_match(
      fake::state.writes[1],
      std::regex("Exception EInOutError in module ordovan\\.exe at [0-9A-F]{8}\\.\n"
                 "I/O error 109\\.\r\n")))
      << fake::state.writes[1];
  EXPECT_TRUE(fake::state.titles.empty());
}

TEST_F(ProgramFlowTest, ExhaustedMemoryIsReportedAsEOutOfMemory) {
  fake::state.outputKind = platform::OutputKind::CharDevice;
  fake::state.files["C:\\Chain\\ordovan.ini"] = "";
  fake::state.profileReadRunsOutOfMemory = true;
  EXPECT_EQ(Run(), kExitError);
  EXPECT_TRUE(fake::state.Output().ends_with(
      "Exception EOutOfMemory in module ordovan.exe at 00000000.\nOut of memory.\r\n"))
      << fake::state.Output();
  EXPECT_EQ(fake::state.profileReads, 1);
  EXPECT_TRUE(fake::state.titles.empty());
}

TEST_F(ProgramFlowTest, ReportThatCannotBeWrittenStillEndsWithStatus1) {
  fake::state.outputKind = platform::OutputKind::NotAvailable;
  EXPECT_EQ(Run(), kExitError);
  EXPECT_TRUE(fake::state.writes.empty());
}

TEST(ErrorReport, AddsAClosingPeriodOnlyWhenMissing) {
  struct Kind : Exception {
    Kind(std::string message) : Exception("EOutOfMemory", std::move(message), 0xABCDEF) {}
  };
  EXPECT_EQ(ErrorReport(Kind("Out of memory"), "ordovan.exe"),
            "Exception EOutOfMemory in module ordovan.exe at 00ABCDEF.\nOut of memory.");
  EXPECT_EQ(ErrorReport(Kind("Ends."), "o"), "Exception EOutOfMemory in module o at 00ABCDEF.\nEnds.");
  EXPECT_EQ(ErrorReport(Kind(""), "o"), "Exception EOutOfMemory in module o at 00ABCDEF.\n");
  EXPECT_EQ(ErrorReport(EInOutError(5, 0x1234), "o"),
            "Exception EInOutError in module o at 00001234.\nFile access denied.");
}

}  // namespace
