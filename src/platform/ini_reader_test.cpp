#include "platform/ini_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "corpus_values.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Values in which this reader differs from the Windows functions by design:
// the non-ASCII text of a UTF-16 file comes out in UTF-8, the text encoding
// of the POSIX build, where the Windows functions give the ANSI code page
// (Wine's default is 1252) and '?' for what it cannot hold; an unpaired
// surrogate is U+FFFD here. Each pair replaces a text of the twin files.
const std::map<std::string, std::vector<std::pair<std::string, std::string>>> kByDesign = {
    {"utf16le-nonascii.ini",
     {{"=caf\\xE9.exe", "=caf\\xC3\\xA9.exe"},
      {"=\\xDCber \\xBD", "=\\xC3\\x9Cber \\xC2\\xBD"},
      {"=\\x80\\xE4", "=\\xE2\\x82\\xAC\\xC3\\xA4"},
      {"=a?b", "=a\\xEF\\xBF\\xBDb"},
      {"=?z", "=\\xEF\\xBF\\xBDz"}}},
};

// A twin file's text with the by-design differences of its corpus file put in.
std::string WithByDesignValues(const std::string& file, std::string twin) {
  auto differences = kByDesign.find(file);
  if (differences == kByDesign.end()) return twin;
  for (const auto& [windows, posix] : differences->second) {
    std::size_t at = twin.find(windows);
    EXPECT_NE(at, std::string::npos) << file << ": " << windows;
    if (at != std::string::npos) twin.replace(at, windows.size(), posix);
  }
  return twin;
}

// Every corpus file has a .values twin made by the Windows profile functions
// themselves (tests/ini-corpus/ini_probe.cpp, under Wine); this reader must
// agree, but for the differences above. Wine and Microsoft's documentation of
// GetPrivateProfileString agree on every file here (a value's enclosing
// quotation marks are dropped, as documented); behaviour the documentation
// does not cover, such as blanks inside section brackets, a repeated section
// or a NUL byte in a name, follows Wine.
TEST(ProfileValue, AgreesWithTheWindowsProfileFunctionsOnTheCorpus) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ORDOVAN_INI_CORPUS_DIR)) {
    if (entry.path().extension() != ".ini") continue;
    ++files;
    std::string text = ReadFile(entry.path());
    std::string values = corpus::ChainValues([&](const std::string& section, const char* key) {
      return ProfileValue(text, section, key);
    });
    // The prepared form that a run reads 44 times gives the same values.
    PreparedProfile prepared = PrepareProfile(text);
    std::string preparedValues =
        corpus::ChainValues([&](const std::string& section, const char* key) {
          return ProfileValue(prepared, section, key);
        });
    std::filesystem::path twin = entry.path();
    twin.replace_extension(".values");
    std::string name = entry.path().filename().string();
    EXPECT_EQ(values, WithByDesignValues(name, ReadFile(twin))) << "corpus file " << name;
    EXPECT_EQ(preparedValues, values) << "corpus file " << name;

    // The listing of sections and their lines, as GetPrivateProfileSectionNamesA
    // and GetPrivateProfileSectionA give it.
    std::string sections = corpus::SectionListing(
        [&] { return ProfileSectionNames(prepared); },
        [&](const std::string& section) {
          std::vector<std::string> lines;
          for (const ProfileLine& line : ProfileSectionLines(prepared, section)) {
            lines.push_back(line.key + (line.hasEquals ? "=" + line.value : ""));
          }
          return lines;
        });
    twin.replace_extension(".sections");
    EXPECT_EQ(sections, WithByDesignValues(name, ReadFile(twin))) << "corpus file " << name;
  }
  EXPECT_GT(files, 0) << "no corpus in " << ORDOVAN_INI_CORPUS_DIR;
}

// A UTF-16 file with its byte-order mark, from UTF-16 code units.
std::string Utf16File(std::u16string_view units, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : units) {
    char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST(ProfileValue, DecodesUtf16IntoUtf8) {
  auto file = [](std::initializer_list<char16_t> value, bool bigEndian) {
    std::u16string units = u"[a]\r\nk=";
    units += value;
    return Utf16File(units, bigEndian);
  };
  struct Case { std::initializer_list<char16_t> value; const char* utf8; };
  const Case cases[] = {
      {{u'x', u'\u00E9'}, "x\xC3\xA9"},                      // two-byte UTF-8
      {{u'\u20AC'}, "\xE2\x82\xAC"},                        // three bytes
      {{0xD83D, 0xDE00}, "\xF0\x9F\x98\x80"},                 // a surrogate pair
      {{0xD83D, u'z'}, "\xEF\xBF\xBDz"},                     // high surrogate alone
      {{u'z', 0xDE00}, "z\xEF\xBF\xBD"},                     // low surrogate alone
      {{0xDE00, 0xD83D}, "\xEF\xBF\xBD\xEF\xBF\xBD"},         // pair in the wrong order
      {{u'a', 0, u'b'}, "a"},                                 // U+0000 ends the value
  };
  for (bool bigEndian : {false, true}) {
    for (const Case& c : cases) {
      EXPECT_EQ(ProfileValue(file(c.value, bigEndian), "a", "k"), c.utf8)
          << (bigEndian ? "big-endian " : "little-endian ") << c.utf8;
    }
  }
  // A last odd byte is no character.
  EXPECT_EQ(ProfileValue(file({u'q'}, false) + "r", "a", "k"), "q");
}

TEST(ProfileValue, NamesAndValuesEndAtANulByte) {
  using namespace std::string_literals;
  const std::string text = "[s\0x]\nk=1\n[t]\nk\0y=2\nv= a \0b\nq=\"c\0\"\n"s;
  EXPECT_EQ(ProfileValue(text, "s", "k"), "1");
  EXPECT_EQ(ProfileValue(text, "t", "k"), "2");
  EXPECT_EQ(ProfileValue(text, "t", "v"), "a ");    // blanks go before the cut
  EXPECT_EQ(ProfileValue(text, "t", "q"), "\"c");  // the cut comes before unquoting
}

TEST(ProfileValue, ByteOrderMarkAndLineEndsChangeNothing) {
  const std::string lf = "[File1]\nName=a.exe\nCmdS=-x\n[File2]\nName=b\n";
  std::string crlf, cr;
  for (char c : lf) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    cr += c == '\n' ? '\r' : c;
  }
  for (const std::string& text : {crlf, cr, "\xEF\xBB\xBF" + lf}) {
    EXPECT_EQ(ProfileValue(text, "File1", "CmdS"), "-x");
    EXPECT_EQ(ProfileValue(text, "File2", "Name"), "b");
  }
}

TEST(ProfileValue, MissingSectionOrKeyGivesTheEmptyText) {
  EXPECT_EQ(ProfileValue("", "File1", "Name"), "");
  EXPECT_EQ(ProfileValue("[File1]\nCmdS=x\n", "File1", "Name"), "");
  EXPECT_EQ(ProfileValue("[File2]\nName=x\n", "File1", "Name"), "");
}

}  // namespace
