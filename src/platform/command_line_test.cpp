#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(FirstArgumentOfCommandLine, SplitsLikeTheProgramsOwnStartUpCode) {
  struct Case { const char* line; const char* argument; };
  const Case cases[] = {
      {"ordovan.exe", ""},
      {"ordovan.exe   ", ""},
      {"ordovan.exe night.ini", "night.ini"},
      {"ordovan.exe\tnight.ini more.ini", "night.ini"},
      {"\"C:\\Program Files\\ordovan.exe\" night.ini", "night.ini"},
      {"ordovan.exe \"my chains\\night shift.ini\"", "my chains\\night shift.ini"},
      {"ordovan.exe a\"b c\"d\"e\" f", "ab cde"},
      {"ordovan.exe \"unclosed name", "unclosed name"},
      {"ordovan.exe \"\"", ""},
      {"ordovan.exe \"\" night.ini", "night.ini"},
      {"ordovan.exe \"\"  \"\"night.ini", "night.ini"},
      {"ordovan.exe sub\\night.ini", "sub\\night.ini"},
      {"ordovan.exe back\\\"slash\"", "back\\slash"},
      {"ordovan.exe D:\\chains\\a.ini", "D:\\chains\\a.ini"},
      {"ordovan.exe \x01\x1Fx\x7F\xA0y", "x\x7F\xA0y"},
      {"\"\" ordovan.exe night.ini", "night.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FirstArgumentOfCommandLine(c.line), c.argument) << "line: " << c.line;
  }
}

TEST(FirstArgumentOfCommandLine, CutsTheArgumentTo4096Bytes) {
  std::string name(5000, 'n');
  EXPECT_EQ(FirstArgumentOfCommandLine("ordovan.exe \"" + name + "\" x"), name.substr(0, 4096));
}

TEST(FirstArgumentOfArgv, SkipsEmptyArgumentsAndCuts) {
  std::string longName(4100, 'a');
  char program[] = "ordovan", empty[] = "", name[] = "sub/night.ini", other[] = "x";
  char* withEmpty[] = {program, empty, name, other};
  EXPECT_EQ(FirstArgumentOfArgv(4, withEmpty), "sub/night.ini");
  char* none[] = {program, empty};
  EXPECT_EQ(FirstArgumentOfArgv(2, none), "");
  EXPECT_EQ(FirstArgumentOfArgv(1, none), "");
  char* longOne[] = {program, longName.data()};
  EXPECT_EQ(FirstArgumentOfArgv(2, longOne), longName.substr(0, 4096));
}

TEST(SplitAfterLastSeparator, KeepsTheSeparatorOnTheDirectory) {
  struct Case { const char* path; const char* directory; const char* file; };
  const Case cases[] = {
      {"C:\\Tools\\chain.exe", "C:\\Tools\\", "chain.exe"},
      {"C:chain.exe", "C:", "chain.exe"},
      {"chain.exe", "", "chain.exe"},
      {"C:\\Tools/sub/chain.exe", "C:\\", "Tools/sub/chain.exe"},
      {"\\\\server\\share\\", "\\\\server\\share\\", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    platform::ProgramLocation split = SplitAfterLastSeparator(c.path, "\\:");
    EXPECT_EQ(split.directory, c.directory) << c.path;
    EXPECT_EQ(split.fileName, c.file) << c.path;
  }
  EXPECT_EQ(SplitAfterLastSeparator("/opt/ordovan/bin/ordovan", "/").directory,
            "/opt/ordovan/bin/");
}

TEST(SplitAfterLastSeparator, TrailBytesOfDoubleByteCharactersAreNoSeparators) {
  bool leadBytes[256] = {};
  for (int b = 0x81; b <= 0x9F; ++b) leadBytes[b] = true;
  for (int b = 0xE0; b <= 0xFC; ++b) leadBytes[b] = true;
  // 0x95 0x5C is one character whose second byte looks like a backslash.
  const std::string path = "C:\\\x95\x5C\\x\x95\x5C.exe";
  platform::ProgramLocation split = SplitAfterLastSeparator(path, "\\:", leadBytes);
  EXPECT_EQ(split.directory, "C:\\\x95\x5C\\");
  EXPECT_EQ(split.fileName, "x\x95\x5C.exe");
  // Without double-byte support the same byte is a separator.
  EXPECT_EQ(SplitAfterLastSeparator(path, "\\:").fileName, ".exe");
  // A lead byte at the very end has no trail byte to protect.
  EXPECT_EQ(SplitAfterLastSeparator("a\\\x95", "\\:", leadBytes).directory, "a\\");
}

TEST(ArgumentOfCommandLine, CountsItemsByTheSameRules) {
  EXPECT_EQ(ArgumentOfCommandLine("o.exe --check \"my chain.ini\" x", 2), "my chain.ini");
  EXPECT_EQ(ArgumentOfCommandLine("o.exe --check \"\" night.ini", 2), "night.ini");
  EXPECT_EQ(ArgumentOfCommandLine("o.exe --check", 2), "");
  char program[] = "ordovan", check[] = "--check", empty[] = "", name[] = "a.ini";
  char* argv[] = {program, check, empty, name};
  EXPECT_EQ(ArgumentOfArgv(4, argv, 2), "a.ini");
  EXPECT_EQ(ArgumentOfArgv(2, argv, 2), "");
}

TEST(WindowsProgramCandidates, SearchesLikeCreateProcess) {
  const std::vector<std::string> dirs = {"C:\\Chain\\", "C:\\Work", "", "C:\\Windows\\system32"};
  EXPECT_EQ(WindowsProgramCandidates("tool", dirs),
            (std::vector<std::string>{"C:\\Chain\\tool.exe", "C:\\Work\\tool.exe",
                                      "C:\\Windows\\system32\\tool.exe"}));
  EXPECT_EQ(WindowsProgramCandidates("run.bat", {"D:\\"}), std::vector<std::string>{"D:\\run.bat"});
  // A name with a path is looked for there alone.
  EXPECT_EQ(WindowsProgramCandidates("C:\\Tools\\backup", dirs),
            std::vector<std::string>{"C:\\Tools\\backup.exe"});
  EXPECT_EQ(WindowsProgramCandidates("sub/x.y\\tool", dirs),
            std::vector<std::string>{"sub/x.y\\tool.exe"});
  EXPECT_EQ(WindowsProgramCandidates("D:tool.com", dirs), std::vector<std::string>{"D:tool.com"});
  EXPECT_EQ(SplitWindowsPath("C:\\a;;\"C:\\b c\";D:\\d\\"),
            (std::vector<std::string>{"C:\\a", "C:\\b c", "D:\\d\\"}));
}

}  // namespace
