#include "chain/run_chain.h"

#include "chain/chain_test_fixture.h"
#include "chain/time_stamp.h"

namespace {

using EventList = std::vector<std::string>;

class RunChainTest : public ChainTest {
 protected:
  void SetUp() override {
    ChainTest::SetUp();
    InitTimeStampLocale();  // the fallbacks: 12/9/02 2:03:05 pm
  }
  std::string RunLine(const std::string& name) {
    return "write:" + Bullet() + "12/9/02 2:03:05 pm Run: " + name + "\r\n";
  }
};

TEST_F(RunChainTest, EmptyTableDoesNothing) {
  ChainTable[3] = {"", "-x", "wait", 30};
  EXPECT_TRUE(RunChain());
  EXPECT_TRUE(Events().empty());
}

TEST_F(RunChainTest, OneEntryGoesLineTitleStartPause) {
  ChainTable[0] = {"tool.exe", "-x", "wait", 1};
  EXPECT_TRUE(RunChain());
  EXPECT_EQ(Events(), (EventList{"clock", RunLine("tool.exe"), "title:Ordovan [run: tool.exe]",
                              "wait:\"tool.exe\" -x|tool.exe|-x",
                              "write:" + Bullet() + "<\"tool.exe\" -x> done!\r\n",
                              "write:" + Bullet() + "Sleep:  1\r", "title:Ordovan [sleep:1]",
                              "sleep:1000"}));
}

TEST_F(RunChainTest, OnlyFilledSlotsRunInSlotOrder) {
  ChainTable[6] = {"seven.html", "", "max", 0};
  ChainTable[1] = {"two.exe", "a b", "normal", -3};
  ChainTable[9] = {"   ", "", "hide", 0};  // blanks are a name like any other
  EXPECT_TRUE(RunChain());
  EXPECT_EQ(Events(), (EventList{"clock", RunLine("two.exe"), "title:Ordovan [run: two.exe]",
                              "open:two.exe|a b|5",
                              "clock", RunLine("seven.html"), "title:Ordovan [run: seven.html]",
                              "open:seven.html||3",
                              "clock", RunLine("   "), "title:Ordovan [run:    ]",
                              "open:   ||0"}));
}

TEST_F(RunChainTest, FailedStartIsReportedAndTheChainGoesOn) {
  fake::state.unstartable = {"gone.exe"};
  ChainTable[0] = {"gone.exe", "", "wait", 1};
  ChainTable[1] = {"gone.exe", "", "wait", 0};
  ChainTable[2] = {"next.exe", "", "wait", 0};
  EXPECT_FALSE(RunChain());
  const std::string failed = Bullet() + "<\"gone.exe\" > failed!\r\n";
  EXPECT_EQ(fake::state.writes,
            (std::vector<std::string>{RunLine("gone.exe").substr(6), failed,
                                      Bullet() + "Sleep:  1\r", RunLine("gone.exe").substr(6),
                                      failed, RunLine("next.exe").substr(6),
                                      Bullet() + "<\"next.exe\" > done!\r\n"}));
}

TEST_F(RunChainTest, TimeStampIsReadForEachSlotWithTheRunsLocale) {
  platform::LocaleSettings locale;
  locale.shortDate = "yyyy-mm-dd";
  locale.clock24 = true;
  locale.hourLeadingZero = true;
  fake::state.locale = locale;
  InitTimeStampLocale();
  fake::state.locale = platform::LocaleSettings{};  // later changes do not count
  fake::state.clock = {2026, 12, 11, 5, 0, 0, 0};
  ChainTable[0] = {"midnight.exe", "", "hide", 0};
  EXPECT_TRUE(RunChain());
  EXPECT_EQ(fake::state.writes.front(), Bullet() + "2026-12-11 Run: midnight.exe\r\n");
}

}  // namespace
