// End-to-end scenarios: the real ordovan binary (natively, or ordovan.exe
// under Wine) started in a temporary program directory on fixture files.
// The same scenarios drive both builds; the environment says which:
//   ORDOVAN_TARGET   posix or windows
//   ORDOVAN_BINARY   the program to test
//   ORDOVAN_HELPERS  directory of the helper programs built for that target
//   ORDOVAN_RUNNER   for windows: the Wine runner and its prefix, '|'-separated

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <thread>

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
    // Time stamps in the scenarios are written by the C locale's settings.
    ::setenv("LC_ALL", "C", 1);
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

// A POSIX path as a program of the target takes it (Wine maps / to Z:).
std::string ForTarget(const fs::path& path) {
  if (!TheTarget().windows) return path.string();
  return "Z:" + Native(path.string());
}

std::string Helper(const std::string& name) {
  return ForTarget(fs::path(TheTarget().helpers) / (name + (TheTarget().windows ? ".exe" : "")));
}

std::string RegexEscape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) out += '\\';
    out += c;
  }
  return out;
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
                StandardOutput out = StandardOutput::File, int timeoutSeconds = 60) const {
    std::vector<std::string> argv = TheTarget().runner;
    argv.push_back(Program().string());
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, out, root_.string(), timeoutSeconds);
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

// The time stamp of the C locale: MM/dd/yy and a 24-hour clock on POSIX;
// Wine's default locale for Windows (M/d/yyyy h:mm:ss and AM or PM).
std::string StampPattern() {
  return TheTarget().windows
             ? "[0-9]{1,2}/[0-9]{1,2}/[0-9]{4}( [0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM))?"
             : "[0-9]{2}/[0-9]{2}/[0-9]{2}( [0-9]{2}:[0-9]{2}:[0-9]{2})?";
}

std::string RunLinePattern(const std::string& name) {
  return RegexEscape(TheTarget().bullet) + StampPattern() + " Run: " + RegexEscape(name) +
         "\r\n";
}

TEST(EndToEnd, WaitEntryRunsToItsEndBeforeItsDoneLine) {
  ProgramDir dir;
  const std::string name = Helper("record_args");
  const std::string record = ForTarget(dir.Root() / "args.txt");
  const std::string cmdS = record + " 7 \"two words\" x";
  dir.Write("ordovan.ini", "[File1]\r\nName=" + name + "\r\nCmdS=" + cmdS +
                               "\r\nSize=wait\r\nTime=0\r\n");
  RunResult result = dir.Run({});
  ExpectCleanExit(result, 0);  // the helper's own status 7 is not looked at
  const std::string commandLine = "\"" + name + "\" " + cmdS;
  std::string rest = AfterBanner(result.output);
  EXPECT_TRUE(std::regex_match(
      rest, std::regex(RunLinePattern(name) + RegexEscape(TheTarget().bullet + "<" + commandLine +
                                                         "> done!\r\n" + DoneLine()))))
      << rest;
  EXPECT_EQ(ReadWholeFile((dir.Root() / "args.txt").string()), "start\narg:7\narg:two words\narg:x\nend\n");
}

TEST(EndToEnd, FailedStartIsReportedTheChainGoesOnAndTheStatusIs3) {
  ProgramDir dir;
  const std::string missing = ForTarget(dir.Root() / (TheTarget().windows ? "nothing.exe" : "nothing"));
  const std::string record = ForTarget(dir.Root() / "args.txt");
  dir.Write("ordovan.ini", "[File2]\nName=" + missing + "\nSize=wait\n[File5]\nName=" +
                               Helper("record_args") + "\nCmdS=" + record + "\nSize=wait\n");
  RunResult result = dir.Run({});
  ExpectCleanExit(result, 3);
  std::string rest = AfterBanner(result.output);
  const std::string& bullet = TheTarget().bullet;
  EXPECT_TRUE(std::regex_match(
      rest, std::regex(RunLinePattern(missing) +
                       RegexEscape(bullet + "<\"" + missing + "\" > failed!\r\n") +
                       RunLinePattern(Helper("record_args")) + ".*done!\r\n" +
                       RegexEscape(DoneLine()))))
      << rest;
  EXPECT_EQ(ReadWholeFile((dir.Root() / "args.txt").string()), "start\nend\n");
}

TEST(EndToEnd, ShellModeStartIsNotWaitedFor) {
  ProgramDir dir;
  const fs::path marker = dir.Root() / "ended.txt";
  dir.Write("ordovan.ini", "[File1]\nName=" + Helper("sleeper") + "\nCmdS=1500 " +
                               ForTarget(marker) + "\nSize=hide\n");
  RunResult result = dir.Run({});
  ExpectCleanExit(result, 0);
  EXPECT_FALSE(fs::exists(marker)) << "the program was waited for";
  EXPECT_TRUE(std::regex_match(AfterBanner(result.output),
                               std::regex(RunLinePattern(Helper("sleeper")) +
                                          RegexEscape(DoneLine()))))
      << result.output;
  // It was started all the same, and goes on after Ordovan has ended.
  for (int i = 0; i < 200 && !fs::exists(marker); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_TRUE(fs::exists(marker)) << "the program was never started";
}

TEST(EndToEnd, PauseCountsDownOnOneRowAndLastsItsSeconds) {
  ProgramDir dir;
  dir.Write("ordovan.ini", "[File1]\nName=" + Helper("record_args") + "\nCmdS=" +
                               ForTarget(dir.Root() / "args.txt") + "\nSize=hide\nTime=2\n");
  RunResult result = dir.Run({});
  ExpectCleanExit(result, 0);
  EXPECT_GE(result.seconds, 2.0);
  const std::string& bullet = TheTarget().bullet;
  EXPECT_TRUE(std::regex_match(
      AfterBanner(result.output),
      std::regex(RunLinePattern(Helper("record_args")) +
                 RegexEscape(bullet + "Sleep:  2\r" + bullet + "Sleep:  1\r" + DoneLine()))))
      << result.output;
}

// Terminal output without the cursor control sequences (ESC [ ... letter) that
// a console may add of its own; title sequences (ESC ] ... BEL) stay.
std::string WithoutCursorControl(const std::string& text) {
  return std::regex_replace(text, std::regex("\x1B\\[[0-?]*[ -/]*[@-~]"), "");
}

TEST(EndToEnd, TitlesFollowTheRunOnATerminal) {
  ProgramDir dir;
  const std::string sleeper = Helper("sleeper");
  dir.Write("ordovan.ini", "[File1]\nName=" + sleeper + "\nCmdS=300\nSize=wait\nTime=1\n");
  RunResult result = dir.Run({}, StandardOutput::Terminal);
  ExpectCleanExit(result, 0);
  const std::string out = WithoutCursorControl(result.output);
  std::size_t position = 0;
  for (const std::string& expected :
       {"\x1B]0;Ordovan [run: " + sleeper + "]\a", std::string("sleeper-ended"),
        std::string("> done!"), std::string("\x1B]0;Ordovan [sleep:1]\a"),
        std::string("Done."), std::string("\x1B]0;Ordovan [done]\a")}) {
    std::size_t found = out.find(expected, position);
    EXPECT_NE(found, std::string::npos) << "missing, or out of order: " << expected << "\nin: "
                                        << out;
    if (found != std::string::npos) position = found + expected.size();
  }
}

// Lines that a file or pipe gets between two starts wait in Ordovan's buffer;
// they are handed over before each start, so what a waited program writes to
// the same file lands after its complete "Run:" line and before its result.
TEST(EndToEnd, WaitedProgramsOutputLandsBetweenItsRunAndResultLines) {
  for (StandardOutput out : {StandardOutput::File, StandardOutput::Pipe}) {
    SCOPED_TRACE(out == StandardOutput::File ? "file" : "pipe");
    ProgramDir dir;
    const std::string sleeper = Helper("sleeper");
    dir.Write("ordovan.ini", "[File1]\nName=" + sleeper + "\nCmdS=0\nSize=wait\n[File2]\nName=" +
                                 sleeper + "\nCmdS=0\nSize=wait\n");
    RunResult result = dir.Run({}, out);
    ExpectCleanExit(result, 0);
    const std::string entry = RunLinePattern(sleeper) + "sleeper-ended\r?\n" +
                              RegexEscape(TheTarget().bullet + "<\"" + sleeper + "\" 0> done!\r\n");
    std::string rest = AfterBanner(result.output);
    EXPECT_TRUE(std::regex_match(rest, std::regex(entry + entry + RegexEscape(DoneLine())))) << rest;
  }
}

// What a started program's standard input, output and error were, from the
// records of the record_fds helper: one "fd:target" line each, then the
// "ignored:" mask of the signals it ignores.
std::vector<std::string> WaitForRecords(const fs::path& file, std::size_t lines) {
  std::vector<std::string> records;
  for (int i = 0; i < 100; ++i) {
    records.clear();
    std::stringstream text(ReadWholeFile(file.string()));
    for (std::string line; std::getline(text, line);) records.push_back(line);
    if (records.size() >= lines) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return records;
}

TEST(EndToEnd, ShellStartsNeverHoldAPipeOfOrdovans) {
  if (TheTarget().windows) GTEST_SKIP() << "POSIX: a shell start on Windows gets its own console";
  ProgramDir dir;
  const fs::path record = dir.Root() / "fds.txt";
  std::string chain;
  int slot = 0;
  for (const char* mode : {"normal", "max", "Wait", "hide"}) {
    chain += "[File" + std::to_string(++slot) + "]\nName=" + Helper("record_fds") + "\nCmdS=" +
             record.string() + " 5000\nSize=" + mode + "\n";
  }
  dir.Write("ordovan.ini", chain);
  RunResult result = dir.Run({}, StandardOutput::Pipe);
  ExpectCleanExit(result, 0);
  EXPECT_TRUE(result.output.ends_with(DoneLine())) << result.output;
  EXPECT_LT(result.outputEndSeconds - result.seconds, 1.0)
      << "the reader saw the end of the output only when the started programs ended";
  std::vector<std::string> records = WaitForRecords(record, 16);
  ASSERT_EQ(records.size(), 16u) << "not every entry was started";
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (i % 4 == 3) continue;  // the signal mask
    EXPECT_EQ(records[i], std::to_string(i % 4) + ":/dev/null") << "entry " << i / 4 + 1;
  }
}

TEST(EndToEnd, ShownShellStartOnATerminalWritesToThatTerminal) {
  if (TheTarget().windows) GTEST_SKIP() << "POSIX: a shell start on Windows gets its own console";
  ProgramDir dir;
  // The two are not waited for: each records into a file of its own.
  const fs::path shown = dir.Root() / "shown.txt", hidden = dir.Root() / "hidden.txt";
  dir.Write("ordovan.ini", "[File1]\nName=" + Helper("record_fds") + "\nCmdS=" + shown.string() +
                               "\nSize=normal\n[File2]\nName=" + Helper("record_fds") +
                               "\nCmdS=" + hidden.string() + "\nSize=hide\n");
  RunResult result = dir.Run({}, StandardOutput::Terminal);
  ExpectCleanExit(result, 0);
  std::vector<std::string> records = WaitForRecords(shown, 4);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0], "0:/dev/null");
  EXPECT_TRUE(records[1].starts_with("1:/dev/pts/")) << records[1];
  EXPECT_EQ(records[2], "2:" + records[1].substr(2));
  records = WaitForRecords(hidden, 4);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0], "0:/dev/null");
  EXPECT_EQ(records[1], "1:/dev/null");
  EXPECT_EQ(records[2], "2:/dev/null");
}

// Ordovan ignores SIGPIPE and SIGXFSZ for itself only: every program it starts,
// waited for or not, gets them back at their defaults.
TEST(EndToEnd, StartedProgramsGetTheIgnoredSignalsBack) {
  if (TheTarget().windows) GTEST_SKIP() << "POSIX signals";
  ProgramDir dir;
  const fs::path waited = dir.Root() / "waited.txt", detached = dir.Root() / "detached.txt";
  dir.Write("ordovan.ini", "[File1]\nName=" + Helper("record_fds") + "\nCmdS=" +
                               waited.string() + "\nSize=wait\n[File2]\nName=" +
                               Helper("record_fds") + "\nCmdS=" + detached.string() +
                               "\nSize=hide\n");
  RunResult result = dir.Run({});
  ExpectCleanExit(result, 0);
  for (const fs::path& record : {waited, detached}) {
    std::vector<std::string> records = WaitForRecords(record, 4);
    ASSERT_EQ(records.size(), 4u) << record;
    ASSERT_TRUE(records[3].starts_with("ignored:")) << records[3];
    unsigned long long ignored = std::stoull(records[3].substr(8), nullptr, 16);
    EXPECT_EQ(ignored & (1ull << (SIGPIPE - 1)), 0u) << "SIGPIPE ignored in " << record;
    EXPECT_EQ(ignored & (1ull << (SIGXFSZ - 1)), 0u) << "SIGXFSZ ignored in " << record;
  }
}

TEST(EndToEnd, FileSizeLimitEndsTheRunWithItsReportAndStatus1) {
  if (TheTarget().windows) GTEST_SKIP() << "POSIX: ulimit -f";
  ProgramDir dir;
  dir.Write("ordovan.ini", kEmptyChain);
  RunResult result = dir.Run({}, StandardOutput::SizeLimited);
  EXPECT_EQ(result.signal, 0) << "killed by SIGXFSZ";
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.output.size(), 100u);
}

// Binds a UNIX socket at path, so that a socket file stands there.
void MakeSocketFile(const fs::path& path) {
  int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
}

TEST(EndToEnd, AConfigurationThatIsNoRegularFileIsMissing) {
  struct Case { const char* name; std::function<void(const fs::path&)> make; };
  const Case cases[] = {
      {"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
      {"link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
      {"link to /dev/urandom", [](const fs::path& p) { fs::create_symlink("/dev/urandom", p); }},
      {"socket", [](const fs::path& p) { MakeSocketFile(p); }},
      {"link to a directory", [](const fs::path& p) { fs::create_symlink("/tmp", p); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramDir dir;
    c.make(dir.Dir() / "ordovan.ini");
    RunResult result = dir.Run({}, StandardOutput::File, 20);
    ExpectCleanExit(result, 2);
    EXPECT_LT(result.seconds, 10.0);
    EXPECT_EQ(AfterBanner(result.output), MissingLines());
  }
  // A link to a regular file is that file.
  ProgramDir dir;
  dir.Write("real.ini", kEmptyChain);
  fs::create_symlink(dir.Dir() / "real.ini", dir.Dir() / "ordovan.ini");
  RunResult result = dir.Run({});
  ExpectCleanExit(result, 0);
  EXPECT_EQ(AfterBanner(result.output), DoneLine());
}

// The UTF-16 text of a chain file, as Notepad's "Unicode" save writes it.
std::string Utf16(const std::string& ascii, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  return bytes;
}

TEST(EndToEnd, Utf16ChainFilesRunTheirEntries) {
  for (bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "UTF-16BE" : "UTF-16LE");
    ProgramDir dir;
    const std::string record = ForTarget(dir.Root() / "args.txt");
    dir.Write("ordovan.ini", Utf16("[File1]\r\nName=" + Helper("record_args") + "\r\nCmdS=" +
                                       record + " 0 \"two words\"\r\nSize=wait\r\n",
                                   bigEndian));
    RunResult result = dir.Run({});
    ExpectCleanExit(result, 0);
    EXPECT_EQ(ReadWholeFile((dir.Root() / "args.txt").string()),
              "start\narg:0\narg:two words\nend\n");
  }
}

// A document, not a program, in a shell mode reaches the program that opens
// documents of its kind: on Windows by the file association, registered here
// in the test's own Wine prefix; on POSIX by xdg-open, here a stand-in that
// records its arguments.
TEST(EndToEnd, DocumentInAShellModeReachesItsOpener) {
  ProgramDir dir;
  const fs::path record = dir.Root() / "args.txt";
  const std::string document = ForTarget(dir.Dir() / "report.ordovandoc");
  dir.Write("report.ordovandoc", "a document\n");
  dir.Write("ordovan.ini", "[File1]\nName=" + document + "\nCmdS=-ignored\nSize=normal\n");
  std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  if (TheTarget().windows) {
    const std::string classes = "HKCR\\";
    const std::string command =
        "\"" + Helper("record_args") + "\" \"" + ForTarget(record) + "\" 0 \"%1\"";
    for (const std::vector<std::string>& add :
         {std::vector<std::string>{classes + ".ordovandoc", "/ve", "/d", "OrdovanTest.Document"},
          std::vector<std::string>{classes + "OrdovanTest.Document\\shell\\open\\command", "/ve",
                                   "/d", command}}) {
      std::vector<std::string> argv = TheTarget().runner;
      argv.insert(argv.end(), {"reg", "add"});
      argv.insert(argv.end(), add.begin(), add.end());
      argv.push_back("/f");
      ASSERT_EQ(RunProgram(argv, StandardOutput::File, dir.Root().string()).status, 0);
    }
  } else {
    dir.Write("opener/xdg-open", "#!/bin/sh\nexec " + Helper("record_args") + " " +
                                     record.string() + " 0 \"$@\"\n");
    fs::permissions(dir.Dir() / "opener/xdg-open", fs::perms::owner_all);
    ::setenv("PATH", ((dir.Dir() / "opener").string() + ":" + oldPath).c_str(), 1);
  }
  RunResult result = dir.Run({});
  ::setenv("PATH", oldPath.c_str(), 1);
  ExpectCleanExit(result, 0);
  std::vector<std::string> lines;
  for (int i = 0; i < 200 && !ReadWholeFile(record.string()).ends_with("end\n"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  // xdg-open takes the document alone; the Windows command line gets %1.
  EXPECT_EQ(ReadWholeFile(record.string()), "start\narg:0\narg:" + document + "\nend\n");
}

TEST(EndToEnd, HelpAndVersionPrintAndStartNothing) {
  std::vector<std::string> help = {"--help", "-h"};
  if (TheTarget().windows) help.push_back("/?");
  const std::string version = std::string("Ordovan ") + ORDOVAN_VERSION + "\r";
  struct Case { std::string argument; bool isHelp; };
  std::vector<Case> cases;
  for (const std::string& word : help) cases.push_back({word, true});
  for (const char* word : {"--version", "-V"}) cases.push_back({word, false});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argument);
    ProgramDir dir;
    const fs::path record = dir.Root() / "args.txt";
    dir.Write("ordovan.ini", "[File1]\nName=" + Helper("record_args") + "\nCmdS=" +
                                 ForTarget(record) + "\nSize=wait\nTime=30\n");
    RunResult result = dir.Run({c.argument}, StandardOutput::Terminal);
    ExpectCleanExit(result, 0);
    EXPECT_LT(result.seconds, 20.0);
    EXPECT_FALSE(fs::exists(record)) << "an entry was started";
    const std::string out = WithoutCursorControl(result.output);
    EXPECT_EQ(out.find("\x1B]0;Ordovan"), std::string::npos) << "a title was set: " << out;
    if (c.isHelp) {
      EXPECT_NE(out.find("Usage: ordovan [CONFIG]"), std::string::npos) << out;
      EXPECT_NE(out.find("Exit status"), std::string::npos) << out;
    } else {
      EXPECT_NE(out.find(version), std::string::npos) << out;
      EXPECT_NE(out.find("The Ordovan authors"), std::string::npos) << out;
    }
  }
  // Anything else is still a configuration file name.
  ProgramDir dir;
  dir.Write("--HELP", kEmptyChain);
  RunResult result = dir.Run({"--HELP"});
  ExpectCleanExit(result, 0);
  EXPECT_EQ(AfterBanner(result.output), DoneLine());
}

// ordovan --check on small chain files, one kind of mistake each: the finding
// names the slot and the key and quotes the text; nothing is started, nothing
// paused, no title set.
TEST(EndToEnd, CheckSaysWhatARunWouldDoAndFindsMistakes) {
  const std::string helper = Helper("record_args");
  struct Case { const char* name; std::string chain; int status; std::string finding; };
  const std::string missing = ForTarget(fs::path("/tmp/ordovan-no-such-dir") /
                                        (TheTarget().windows ? "nothing.exe" : "nothing"));
  const Case cases[] = {
      {"clean", "[File1]\nName=" + helper + "\nCmdS=x\nSize=wait\nTime=30\n", 0, ""},
      {"mode word in capitals", "[File1]\nName=" + helper + "\nSize=Wait\n", 4,
       "[File1] Size \"Wait\": not a mode word; \"wait\" was probably meant."},
      {"time with a unit", "[File2]\nName=" + helper + "\nSize=wait\nTime=5s\n", 4,
       "[File2] Time \"5s\": not a whole number of seconds."},
      {"section without a name", "[File3]\nCmdS=-x\nTime=30\n", 4,
       "[File3] Name \"\": empty, while the section has other keys."},
      {"program that is not there", "[File4]\nName=" + missing + "\nSize=wait\n", 4,
       "[File4] Name \"" + missing + "\": no such program."},
      {"twelfth section", "[File12]\nName=" + helper + "\n", 4, "[File12]: not a chain section"},
      {"unknown key", "[File1]\nName=" + helper + "\nSize=wait\nCommand=x\n", 4,
       "[File1] Command \"x\": not a key of a chain entry"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramDir dir;
    dir.Write("chain.ini", c.chain);
    RunResult result = dir.Run({"--check", "chain.ini"});
    ExpectCleanExit(result, c.status);
    EXPECT_LT(result.seconds, 15.0) << "the pause was made";
    std::string rest = AfterBanner(result.output);
    const std::string& bullet = TheTarget().bullet;
    EXPECT_TRUE(rest.starts_with(bullet + "Configuration file: " + ForTarget(dir.Dir() / "chain.ini") +
                                 "\r\n"))
        << rest;
    if (c.finding.empty()) {
      EXPECT_TRUE(rest.ends_with(bullet + "1 entry, 0 findings\r\n")) << rest;
      EXPECT_NE(rest.find("Slot 1: run \"" + helper + "\" x and wait for its end, then pause 30 "
                          "seconds\r\n"),
                std::string::npos)
          << rest;
    } else {
      EXPECT_NE(rest.find("\r\n" + bullet + c.finding), std::string::npos) << rest;
      EXPECT_TRUE(rest.ends_with(", 1 finding\r\n")) << rest;
    }
  }

  // On a terminal: no title, and the helper is not started.
  ProgramDir dir;
  const fs::path record = dir.Root() / "args.txt";
  dir.Write("ordovan.ini", "[File1]\nName=" + helper + "\nCmdS=" + ForTarget(record) +
                               "\nSize=wait\nTime=30\n");
  RunResult result = dir.Run({"--check"}, StandardOutput::Terminal);
  ExpectCleanExit(result, 0);
  EXPECT_LT(result.seconds, 15.0);
  EXPECT_EQ(WithoutCursorControl(result.output).find("\x1B]0;"), std::string::npos)
      << result.output;
  EXPECT_FALSE(fs::exists(record)) << "the entry was started";

  // A missing file: the path looked for, then the usual two lines.
  ProgramDir empty;
  RunResult missingFile = empty.Run({"--check", "none.ini"});
  ExpectCleanExit(missingFile, 2);
  EXPECT_EQ(AfterBanner(missingFile.output),
            TheTarget().bullet + "Configuration file: " + ForTarget(empty.Dir() / "none.ini") +
                "\r\n" + MissingLines());
}

// A redirected run makes exactly the writes the flush rules give: one per full
// 128-byte block, one for the rest before each start, one for the rest at the
// end. Counted with strace -c, without a controlling terminal (no titles).
TEST(EndToEnd, RedirectedRunWritesInBlocksAndBeforeEachStart) {
  if (TheTarget().windows) GTEST_SKIP() << "strace counts POSIX system calls";
  ProgramDir dir;
  std::string chain;
  for (int slot = 1; slot <= 11; ++slot) {
    chain += "[File" + std::to_string(slot) + "]\nName=/bin/true\nSize=wait\nTime=" +
             (slot == 4 ? "2" : "0") + "\n";
  }
  dir.Write("ordovan.ini", chain);
  const fs::path summary = dir.Root() / "strace.txt";
  // A sanitizer build's leak check cannot run under ptrace and would write
  // its complaint; only the program's own writes are counted.
  ::setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
  RunResult result = RunProgram({"/usr/bin/setsid", "-w", "/usr/bin/strace", "-c", "-e",
                                 "trace=write", "-o", summary.string(), dir.Program().string()},
                                StandardOutput::File, dir.Root().string());
  ::unsetenv("ASAN_OPTIONS");
  ExpectCleanExit(result, 0);
  ASSERT_TRUE(result.output.ends_with(DoneLine())) << result.output;

  // The output between two starts is handed over in blocks of 128 bytes and
  // a last, shorter one; a start follows each "Run:" line.
  int expected = 0;
  std::size_t start = 0;
  const std::string runLineEnd = "Run: /bin/true\r\n";
  for (std::size_t at; (at = result.output.find(runLineEnd, start)) != std::string::npos;) {
    std::size_t end = at + runLineEnd.size();
    expected += static_cast<int>((end - start + 127) / 128);
    start = end;
  }
  expected += static_cast<int>((result.output.size() - start + 127) / 128);

  std::stringstream text(ReadWholeFile(summary.string()));
  int calls = -1;
  for (std::string line; std::getline(text, line);) {
    std::stringstream fields(line);
    std::vector<std::string> words;
    for (std::string word; fields >> word;) words.push_back(word);
    if (!words.empty() && words.back() == "write") calls = std::stoi(words[3]);
  }
  EXPECT_EQ(calls, expected) << ReadWholeFile(summary.string());
}

}  // namespace
