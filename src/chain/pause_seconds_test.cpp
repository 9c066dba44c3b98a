#include "chain/pause_seconds.h"

#include "chain/chain_test_fixture.h"

namespace {

class PauseSecondsTest : public ChainTest {};

// The console text of one step: bullet, "Sleep: ", the count in two columns, CR.
std::string Step(const char* count) { return std::string(kBullet) + "Sleep: " + count + "\r"; }

TEST_F(PauseSecondsTest, NothingHappensForZeroOrLess) {
  for (int seconds : {0, -5, -2147483647 - 1}) {
    PauseSeconds(seconds);
    EXPECT_TRUE(Events().empty()) << seconds;
  }
}

TEST_F(PauseSecondsTest, EachStepWritesThenSetsTheTitleThenSleeps) {
  PauseSeconds(3);
  EXPECT_EQ(Events(), (std::vector<std::string>{
                          "write:" + Step(" 3"), "title:Ordovan [sleep:3]", "sleep:1000",
                          "write:" + Step(" 2"), "title:Ordovan [sleep:2]", "sleep:1000",
                          "write:" + Step(" 1"), "title:Ordovan [sleep:1]", "sleep:1000"}));
}

TEST_F(PauseSecondsTest, CountsDownInTwoColumnsWithoutCutting) {
  struct Case { int seconds; const char* first; };
  const Case cases[] = {{1, " 1"}, {9, " 9"}, {10, "10"}, {100, "100"}, {1234, "1234"}};
  for (const Case& c : cases) {
    ResetFakes();
    PauseSeconds(c.seconds);
    const auto& writes = fake::state.writes;
    ASSERT_EQ(writes.size(), static_cast<std::size_t>(c.seconds)) << c.seconds;
    EXPECT_EQ(writes.front(), Step(c.first));
    EXPECT_EQ(writes.back(), Step(" 1"));
    EXPECT_EQ(fake::state.titles.front(), "Ordovan [sleep:" + std::to_string(c.seconds) + "]");
    EXPECT_EQ(fake::state.titles.back(), "Ordovan [sleep:1]");
    EXPECT_EQ(fake::state.sleptMilliseconds, c.seconds * 1000);
  }
}

TEST_F(PauseSecondsTest, TheStepsOfAHundredSecondsAreOneByteLongerUntil99) {
  PauseSeconds(100);
  const auto& writes = fake::state.writes;
  EXPECT_EQ(writes[0], Step("100"));
  EXPECT_EQ(writes[1], Step("99"));
  EXPECT_EQ(writes[90], Step("10"));
  EXPECT_EQ(writes[91], Step(" 9"));
  EXPECT_EQ(writes[0].size(), writes[1].size() + 1);
  EXPECT_EQ(fake::state.titles[91], "Ordovan [sleep:9]");
}

}  // namespace
