#include "main/options.h"

#include <gtest/gtest.h>

#include "config/load_config.h"
#include "console/output.h"
#include "main/end_program.h"
#include "main/program_flow.h"
#include "platform/platform-fake.h"

namespace {

TEST(CommandOf, OnlyTheExactWordsAreOptions) {
  struct Case { const char* argument; Command command; };
  const Case cases[] = {
      {"--help", Command::Help},     {"-h", Command::Help},
      {"--version", Command::Version}, {"-V", Command::Version},
      {"", Command::Run},            {"ordovan.ini", Command::Run},
      {"--HELP", Command::Run},      {"-help", Command::Run},
      {"--help ", Command::Run},     {"-v", Command::Run},
      {"--version=1", Command::Run}, {"-H", Command::Run},
      {"--check", Command::Check},   {"--Check", Command::Run},  {"-c", Command::Run},
#ifdef _WIN32
      {"/?", Command::Help},
#else
      {"/?", Command::Run},  // a file name like any other on POSIX
#endif
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandOf(c.argument), c.command) << '"' << c.argument << '"';
  }
}

class OptionsRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Reset();
    fake::state.outputKind = platform::OutputKind::Other;
    InitStandardOutput();
  }
  void TearDown() override { ReleaseChainTable(); }
  static int Run(const std::string& argument) {
    fake::state.firstArgument = argument;
    try {
      RunProgram();
    } catch (const fake::ProcessEnded& ended) {
      return ended.status;
    }
    return -1;
  }
};

TEST_F(OptionsRunTest, HelpPrintsUsageAndStartsNothing) {
  fake::state.files["C:\\Chain\\ordovan.ini"] = "[File1]\nName=tool.exe\nSize=wait\n";
  EXPECT_EQ(Run("--help"), kExitOk);
  std::string out = fake::state.Output();
  EXPECT_TRUE(out.starts_with(std::string(BannerLine()) + "\r\n")) << out;
  for (const char* expected : {"Usage: ordovan [CONFIG]\r\n", "Name=", "CmdS=", "Size=", "Time=",
                               "  wait ", "  hide ", "  normal ", "  min ", "  max ",
                               "Exit status", "ordovan(1)"}) {
    EXPECT_NE(out.find(expected), std::string::npos) << expected;
  }
  EXPECT_TRUE(out.ends_with("\r\n"));
  EXPECT_TRUE(fake::state.titles.empty());
  EXPECT_EQ(fake::state.profileReads, 0);
  EXPECT_EQ(fake::state.events.back(), "exit:0");
}

TEST_F(OptionsRunTest, VersionPrintsTheVersionAndTheNoticeLine) {
  EXPECT_EQ(Run("-V"), kExitOk);
  EXPECT_EQ(fake::state.Output(),
            "Ordovan " ORDOVAN_VERSION "\r\n" + std::string(NoticeLine()) + "\r\n");
  EXPECT_TRUE(fake::state.titles.empty());
}

TEST_F(OptionsRunTest, AnyOtherArgumentStillNamesTheConfigurationFile) {
  fake::state.files["C:\\Chain\\--Help"] = "";
  EXPECT_EQ(Run("--Help"), kExitOk);
  EXPECT_TRUE(fake::state.Output().ends_with(std::string(kBullet) + "Done.\r\n"));
}

TEST_F(OptionsRunTest, CheckReadsTheSecondArgumentAndEndsWith4OnAFinding) {
  fake::state.secondArgument = "sub\\night.ini";
  fake::state.files["C:\\Chain\\sub\\night.ini"] = "[File1]\nName=x\nSize=Wait\n";
  EXPECT_EQ(Run("--check"), kExitCheckFindings);
  std::string out = fake::state.Output();
  EXPECT_NE(out.find(std::string(kBullet) + "Configuration file: C:\\Chain\\sub\\night.ini\r\n"),
            std::string::npos)
      << out;
  EXPECT_TRUE(fake::state.titles.empty());

  SetUp();
  fake::state.files["C:\\Chain\\ordovan.ini"] = "";
  EXPECT_EQ(Run("--check"), kExitOk);
  SetUp();
  EXPECT_EQ(Run("--check"), kExitConfigMissing);
  EXPECT_TRUE(fake::state.Output().ends_with("Configuration file not specified or not found!\r\n"));
}

TEST_F(OptionsRunTest, HelpThatCannotBeWrittenEndsWithStatus1) {
  fake::state.outputKind = platform::OutputKind::NotAvailable;
  EXPECT_EQ(Run("--help"), kExitError);
}

}  // namespace
