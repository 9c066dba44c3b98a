// End-to-end scenarios: the real ordovan binary (natively, or ordovan.exe
// under Wine) started in a temporary program directory on fixture files.
// The same scenarios drive both builds; the environment says which:
//   ORDOVAN_TARGET   posix or windows
//   ORDOVAN_BINARY   the program to test
//   ORDOVAN_HELPERS  directory of the helper programs built for that target
//   ORDOVAN_RUNNER   for windows: the Wine runner and its prefix, '|'-separated

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "run_program.h"

namespace fs = std::filesystem;

namespace {

struct Target {
  bool windows = false;
  std::string binary;
  std::string helpers;
  std::vector<std::string> runner;
  std::string bullet;
  std::string exeName;
};

const Target& TheTarget() {
  static const Target target = [] {
    Target t;
    auto get = [](const char* name) {
      const char* value = std::getenv(name);
      return std::string(value ? value : "");
    };
    t.windows = get("ORDOVAN_TARGET") == "windows";
    t.binary = get("ORDOVAN_BINARY");
    t.helpers = get("ORDOVAN_HELPERS");
    std::stringstream runner(get("ORDOVAN_RUNNER"));
    for (std::string part; std::getline(runner, part, '|');) {
      if (!part.empty()) t.runner.push_back(part);
    }
    t.bullet = t.windows ? "\xFE " : "\xE2\x96\xA0 ";
    t.exeName = t.windows ? "ordovan.exe" : "ordovan";
    return t;
  }();
  return target;
}

// A path written with '/' as the target's program would be given it.
std::string Native(std::string path) {
  if (TheTarget().windows) {
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
  }
  return path;
}

// A fresh program directory holding a copy of the binary under test.
class ProgramDir {
 public:
  ProgramDir() {
    std::string pattern = "/tmp/ordovan-dir-XXXXXX";
    root_ = ::mkdtemp(pattern.data());
    fs::create_directories(root_ / "bin");
    fs::copy_file(TheTarget().binary, Program());
  }
  ~ProgramDir() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  fs::path Dir() const { return root_ / "bin"; }
  fs::path Root() const { return root_; }
  fs::path Program() const { return Dir() / TheTarget().exeName; }

  void Write(const std::string& relative, const std::string& text) const {
    fs::path path = Dir() / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }

  RunResult Run(const std::vector<std::string>& args,
                StandardOutput out = StandardOutput::File) const {
    std::vector<std::string> argv = TheTarget().runner;
    argv.push_back(Program().string());
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, out, root_.string());
  }

 private:
  fs::path root_;
};

// Checks the two banner lines and returns what follows them.
std::string AfterBanner(const std::string& output) {
  std::size_t first = output.find("\r\n");
  EXPECT_EQ(first, 73u) << output;
  EXPECT_TRUE(output.starts_with("Ordovan ")) << output;
  std::size_t second = output.find("\r\n", first + 2);
  if (first == std::string::npos || second == std::string::npos) return output;
  std::string notice = output.substr(first + 2, second - first - 2);
  EXPECT_NE(notice.find("The Ordovan authors"), std::string::npos) << notice;
  EXPECT_NE(notice.find("https://"), std::string::npos) << notice;
  EXPECT_EQ(notice.find(TheTarget().bullet), std::string::npos) << notice;
  return output.substr(second + 2);
}

std::string MissingLines() {
  return "\r\n" + TheTarget().bullet + "Configuration file not specified or not found!\r\n";
}
std::string DoneLine() { return TheTarget().bullet + "Done.\r\n"; }

void ExpectCleanExit(const RunResult& result, int status) {
  EXPECT_FALSE(result.timedOut);
  EXPECT_EQ(result.signal, 0);
  EXPECT_EQ(result.status, status);
  if (!TheTarget().windows) {
    EXPECT_EQ(result.errors, "") << "nothing goes to standard error";
  }
}

constexpr const char* kEmptyChain = "[File1]\r\nName=\r\nSize=wait\r\nTime=30\r\n[File2]\r\n";

TEST(EndToEnd, TargetIsConfigured) {
  ASSERT_FALSE(TheTarget().binary.empty()) << "ORDOVAN_BINARY is not set";
  ASSERT_TRUE(fs::exists(TheTarget().binary)) << TheTarget().binary;
  if (TheTarget().windows) {
    ASSERT_FALSE(TheTarget().runner.empty()) << "ORDOVAN_RUNNER";
  }
}

struct ConfigScenario {
  const char* name;
  std::map<std::string, std::string> files;  // relative to the program directory
  std::vector<std::string> args;             // '/' becomes '\' for Windows
  bool found;                                // the empty chain was read
};

TEST(EndToEnd, FindsTheConfigurationFileBelowTheProgramDirectoryOnly) {
  const ConfigScenario scenarios[] = {
      {"no configuration file", {}, {}, false},
      {"default file", {{"ordovan.ini", kEmptyChain}}, {}, true},
      {"argument below the program directory", {{"sub/night.ini", kEmptyChain}},
       {"sub/night.ini"}, true},
      {"pair of quotation marks, then the name", {{"sub/night.ini", kEmptyChain}},
       {"", "sub/night.ini"}, true},
      {"pair of quotation marks alone", {{"ordovan.ini", kEmptyChain}}, {""}, true},
      {"quoted name with blanks", {{"my chains/night shift.ini", kEmptyChain}},
       {"my chains/night shift.ini"}, true},
      {"argument naming a directory", {{"sub/night.ini", kEmptyChain}}, {"sub"}, false},
      {"wildcard matching a file", {{"a.ini", kEmptyChain}}, {"*.ini"}, false},
      {"argument naming a missing file", {{"ordovan.ini", kEmptyChain}}, {"other.ini"}, false},
  };
  for (const ConfigScenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    ProgramDir dir;
    for (const auto& [path, text] : s.files) dir.Write(path, text);
    std::vector<std::string> args;
    for (const std::string& arg : s.args) args.push_back(Native(arg));
    RunResult result = dir.Run(args);
    ExpectCleanExit(result, s.found ? 0 : 2);
    EXPECT_EQ(AfterBanner(result.output), s.found ? DoneLine() : MissingLines());
  }
}

TEST(EndToEnd, FileInTheCurrentDirectoryIsNotUsed) {
  ProgramDir dir;
  // The run's working directory is the root above the program directory.
  std::ofstream(dir.Root() / "night.ini", std::ios::binary) << kEmptyChain;
  RunResult result = dir.Run({"night.ini"});
  ExpectCleanExit(result, 2);
  EXPECT_EQ(AfterBanner(result.output), MissingLines());
}

TEST(EndToEnd, RedirectedOutputHoldsExactlyTheLinesPrinted) {
  ProgramDir dir;
  dir.Write("ordovan.ini", kEmptyChain);
  RunResult result = dir.Run({});
  ExpectCleanExit(result, 0);
  EXPECT_TRUE(result.output.ends_with(DoneLine()));
  // Banner (75 + notice) and closing line, nothing added or converted.
  EXPECT_EQ(result.output.find('\n'), 74u);
  EXPECT_EQ(AfterBanner(result.output), DoneLine());
}

TEST(EndToEnd, BrokenStandardOutputEndsWithStatus1) {
  const std::pair<const char*, StandardOutput> faults[] = {
      {"standard output closed", StandardOutput::Closed},
      {"standard output on /dev/full", StandardOutput::DiskFull},
      {"pipe whose reader has gone", StandardOutput::BrokenPipe},
  };
  for (const auto& [name, fault] : faults) {
    SCOPED_TRACE(name);
    ProgramDir dir;
    dir.Write("ordovan.ini", kEmptyChain);
    RunResult result = dir.Run({}, fault);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.status, 1);
  }
}

}  // namespace
