#include "config/check_chain.h"

#include <gtest/gtest.h>

#include "config/load_config.h"
#include "console/output.h"
#include "main/end_program.h"
#include "platform/platform-fake.h"

namespace {

class CheckChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Reset();
    fake::state.outputKind = platform::OutputKind::Other;
    fake::state.programs = {"tool.exe"};
    fake::state.files["report.html"] = "";  // in the current directory
    InitStandardOutput();
  }

  // Checks a chain file and returns the lines printed, without their bullet.
  std::vector<std::string> Check(const std::string& text, int* findings = nullptr) {
    fake::state.files["C:\\Chain\\chain.ini"] = text;
    int count = CheckChain("C:\\Chain\\chain.ini");
    if (findings) *findings = count;
    FinalWriteOut();
    std::vector<std::string> lines;
    std::string out = fake::state.Output();
    for (std::size_t start = 0, end; (end = out.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
      std::string line = out.substr(start, end - start);
      EXPECT_TRUE(line.starts_with(kBullet)) << line;
      lines.push_back(line.substr(kBullet.size()));
    }
    return lines;
  }
};

TEST_F(CheckChainTest, CleanFileSaysWhatARunDoesAndFindsNothing) {
  int findings = -1;
  auto lines = Check(
      "[File1]\nName=tool.exe\nCmdS=-x\nSize=wait\nTime=5\n"
      "[File3]\nName=report.html\nCmdS=-p\nSize=max\n"
      "[File4]\nName=https://example.org\nSize=hide\nTime=1\n",
      &findings);
  EXPECT_EQ(findings, 0);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Slot 1: run \"tool.exe\" -x and wait for its end, then pause 5 seconds",
                       "Slot 3: open report.html with parameters -p without waiting, maximised, "
                       "no pause",
                       "Slot 4: open https://example.org without waiting, hidden, then pause 1 "
                       "second",
                       "3 entries, 0 findings"}));
  EXPECT_TRUE(fake::state.titles.empty());
  for (const std::string& event : fake::state.events) {
    EXPECT_FALSE(event.starts_with("wait:") || event.starts_with("open:") ||
                 event.starts_with("sleep:"))
        << event;
  }
  EXPECT_FALSE(fake::state.profileOpen);
}

// One kind of mistake per file, and the finding it gives.
TEST_F(CheckChainTest, EachKindOfMistakeIsFoundAndNamed) {
  struct Case { const char* file; const char* finding; };
  const Case cases[] = {
      {"[File2]\nName=tool.exe\nSize=Wait\n",
       "[File2] Size \"Wait\": not a mode word; \"wait\" was probably meant. A run does not wait "
       "for this entry: it opens it without waiting, shown normally"},
      {"[File2]\nName=tool.exe\nSize=\" wait\"\n",
       "[File2] Size \" wait\": not a mode word; \"wait\" was probably meant."},
      {"[File1]\nName=tool.exe\nSize=MAX\n",
       "[File1] Size \"MAX\": not a mode word; \"max\" was probably meant. A run opens this entry "
       "without waiting, shown normally"},
      {"[File1]\nName=tool.exe\nSize=maximised\n", "[File1] Size \"maximised\": not a mode word. "},
      {"[File1]\nName=tool.exe\nSize=wait\nTime=5s\n",
       "[File1] Time \"5s\": not a whole number of seconds. A run takes it as 0 and makes no pause"},
      {"[File1]\nName=tool.exe\nSize=wait\nTime=\"2 \"\n", "[File1] Time \"2 \": not a whole"},
      {"[File1]\nName=tool.exe\nSize=wait\nTime=-3\n",
       "[File1] Time \"-3\": negative. A run makes no pause"},
      {"[File3]\nCmdS=-x\nTime=30\n",
       "[File3] Name \"\": empty, while the section has other keys. A run skips this slot"},
      {"[File1]\nName=gone.exe\nSize=wait\n",
       "[File1] Name \"gone.exe\": no such program. A run cannot start it and prints \"failed!\""},
      {"[File1]\nName=gone.doc\nSize=normal\n",
       "[File1] Name \"gone.doc\": no such file or program, and no URL. The shell may not find it"},
      {"[File12]\nName=tool.exe\n",
       "[File12]: not a chain section (File1 to File11). A run ignores it"},
      {"[File0]\nName=tool.exe\n", "[File0]: not a chain section"},
      {"[File 3]\nName=tool.exe\n", "[File 3]: not a chain section"},
      {"[File1]\nName=tool.exe\nSize=wait\nCommand=x\n",
       "[File1] Command \"x\": not a key of a chain entry (Name, CmdS, Size, Time). A run ignores "
       "it"},
      {"[File1]\nName=tool.exe\nSize=wait\nName=other.exe\n",
       "[File1] Name \"other.exe\": a second Name in this section. A run reads only the first"},
      {"[File1]\nName=tool.exe\nSize=wait\n[file1]\nName=other.exe\n",
       "[file1]: a second section of this name. A run reads only the first one"},
      {"[File1]\nName=tool.exe\nSize wait\n", "[File1] \"Size wait\": a line without \"=\""},
  };
  for (const Case& c : cases) {
    SetUp();
    int findings = 0;
    auto lines = Check(c.file, &findings);
    EXPECT_EQ(findings, 1) << c.file;
    bool found = false;
    for (const std::string& line : lines) found = found || line.starts_with(c.finding);
    EXPECT_TRUE(found) << c.file << "\nwanted: " << c.finding << "\ngot:\n"
                       << ::testing::PrintToString(lines);
    EXPECT_TRUE(lines.back().ends_with(", 1 finding")) << lines.back();
  }
}

TEST_F(CheckChainTest, ValueCutTo2047BytesIsFound) {
  int findings = 0;
  auto lines = Check("[File1]\nName=tool.exe\nSize=wait\nCmdS=" + std::string(3000, 'c') + "\n",
                     &findings);
  EXPECT_EQ(findings, 1);
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "[File1] CmdS \"cccccccccccccccccccc...\": 3000 bytes long. A run cuts it "
                      "to its first 2047"),
            lines.end())
      << ::testing::PrintToString(lines);
  // 2047 bytes inside quotation marks are not cut.
  SetUp();
  Check("[File1]\nName=tool.exe\nSize=wait\nCmdS=\"" + std::string(2047, 'c') + "\"\n", &findings);
  EXPECT_EQ(findings, 0);
}

TEST(IsUrl, NeedsASchemeOfTwoOrMoreCharacters) {
  for (const char* url : {"https://x", "mailto:a@b", "ms-settings:display", "x.y+z-1:rest"}) {
    EXPECT_TRUE(IsUrl(url)) << url;
  }
  for (const char* name : {"C:\\doc.txt", "c:doc", "doc.txt", ":x", "1ab:x", "a b:x", ""}) {
    EXPECT_FALSE(IsUrl(name)) << name;
  }
}

}  // namespace
