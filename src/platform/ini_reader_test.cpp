#include "platform/ini_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "corpus_values.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Every corpus file has a .values twin made by the Windows profile functions
// themselves (tests/ini-corpus/ini_probe.cpp, under Wine); this reader must
// agree. Wine and Microsoft's documentation of GetPrivateProfileString agree on
// every file here (a value's enclosing quotation marks are dropped, as
// documented); behaviour the documentation does not cover, such as blanks
// inside section brackets or a repeated section, follows Wine.
TEST(ProfileValue, AgreesWithTheWindowsProfileFunctionsOnTheCorpus) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ORDOVAN_INI_CORPUS_DIR)) {
    if (entry.path().extension() != ".ini") continue;
    ++files;
    std::string text = ReadFile(entry.path());
    std::string values = corpus::ChainValues([&](const std::string& section, const char* key) {
      return ProfileValue(text, section, key);
    });
    std::filesystem::path twin = entry.path();
    twin.replace_extension(".values");
    EXPECT_EQ(values, ReadFile(twin)) << "corpus file " << entry.path().filename();
  }
  EXPECT_GT(files, 0) << "no corpus in " << ORDOVAN_INI_CORPUS_DIR;
}

TEST(ProfileValue, MissingSectionOrKeyGivesTheEmptyText) {
  EXPECT_EQ(ProfileValue("", "File1", "Name"), "");
  EXPECT_EQ(ProfileValue("[File1]\nCmdS=x\n", "File1", "Name"), "");
  EXPECT_EQ(ProfileValue("[File2]\nName=x\n", "File1", "Name"), "");
}

}  // namespace
