// POSIX implementation of the platform layer.

#include <fcntl.h>
#include <langinfo.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "platform/command_line.h"
#include "platform/error_codes.h"
#include "platform/ini_reader.h"
#include "platform/langinfo_locale.h"
#include "platform/posix_command.h"
#include "platform/platform.h"

extern char** environ;

namespace platform {
namespace {

int savedArgc = 0;
char** savedArgv = nullptr;
// The configuration file's text while the INI reader is open.
PreparedProfile profile;
// The configuration file that ConfigFileExists found, still open, and its path.
int foundConfig = -1;
std::string foundConfigPath;

bool WriteAll(int fd, const char* bytes, std::size_t count) {
  while (count > 0) {
    ssize_t written = ::write(fd, bytes, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

// The executable file that name stands for, or the empty text.
std::string FindExecutable(const std::string& name) {
  for (const std::string& candidate : ProgramCandidates(name, std::getenv("PATH"))) {
    struct stat info {};
    if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        ::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
  }
  return {};
}

// The bytes of an open regular file; nothing when it cannot be read or is no
// regular file (it may have been replaced since it was found).
std::string ReadRegularFile(int fd) {
  std::string bytes;
  struct stat info {};
  if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return bytes;
  // Read to the end, which may lie beyond the size seen a moment ago: room
  // for one byte more than that size, so that a file that has not grown is
  // read, end and all, with one call.
  bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t have = 0;
  for (;;) {
    ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    have += static_cast<std::size_t>(got);
    if (have < bytes.size()) break;  // a regular file reads short only at its end
    bytes.resize(bytes.size() + 65536);
  }
  bytes.resize(have);
  return bytes;
}

struct Command {
  std::vector<std::string> candidates;  // tried in order
  std::vector<std::string> argv;
};

Command MakeCommand(const std::string& program, std::vector<std::string> candidates,
                    const std::vector<std::string>& arguments) {
  Command command{std::move(candidates), {program}};
  command.argv.insert(command.argv.end(), arguments.begin(), arguments.end());
  return command;
}

// How a program is started: posix_spawn (vfork and exec in glibc, which
// reports a failed exec itself), with the signals Ordovan ignores back at
// their defaults, and for a detached start a session of its own and the
// given standard streams. No shell ever stands in between.
class Spawn {
 public:
  explicit Spawn(bool detached) {
    ::posix_spawnattr_init(&attributes_);
    ::posix_spawn_file_actions_init(&actions_);
    sigset_t defaults;
    ::sigemptyset(&defaults);
    ::sigaddset(&defaults, SIGPIPE);
    ::sigaddset(&defaults, SIGXFSZ);
    ::posix_spawnattr_setsigdefault(&attributes_, &defaults);
    short flags = POSIX_SPAWN_SETSIGDEF;
    if (detached) flags |= POSIX_SPAWN_SETSID;
    ::posix_spawnattr_setflags(&attributes_, flags);
  }
  ~Spawn() {
    ::posix_spawn_file_actions_destroy(&actions_);
    ::posix_spawnattr_destroy(&attributes_);
  }
  Spawn(const Spawn&) = delete;
  Spawn& operator=(const Spawn&) = delete;

  void OpenNull(int fd, int flags) { ::posix_spawn_file_actions_addopen(&actions_, fd, "/dev/null", flags, 0); }
  void Duplicate(int from, int to) { ::posix_spawn_file_actions_adddup2(&actions_, from, to); }

  // Starts the first candidate that can be started; false when none can.
  bool Start(const Command& command, pid_t& child) {
    std::vector<char*> argv;
    for (const std::string& arg : command.argv) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    for (const std::string& candidate : command.candidates) {
      if (::posix_spawn(&child, candidate.c_str(), &actions_, &attributes_, argv.data(), environ) == 0) {
        return true;
      }
    }
    return false;
  }

 private:
  posix_spawnattr_t attributes_;
  posix_spawn_file_actions_t actions_;
};

void WaitFor(pid_t child) {
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

// Detached starts that may not have been collected yet.
int detachedStarts = 0;

// Collects the ends of detached starts that have ended, so that none stays a
// zombie while the chain goes on; those still running are left alone, and
// whatever is left when Ordovan ends is collected by the system.
void CollectEndedStarts() {
  while (detachedStarts > 0 && ::waitpid(-1, nullptr, WNOHANG) > 0) --detachedStarts;
}

}  // namespace

void StartUp(int argc, char** argv) {
  savedArgc = argc;
  savedArgv = argv;
  // A reader that has gone, or a file-size limit, must turn into a failed
  // write with its report, not a silent death. Programs that the chain starts
  // get both signals back at their defaults before exec.
  ::signal(SIGPIPE, SIG_IGN);
  ::signal(SIGXFSZ, SIG_IGN);
}

OutputKind OpenStandardOutput() {
  struct stat info {};
  if (::fstat(STDOUT_FILENO, &info) != 0) return OutputKind::NotAvailable;
  return S_ISCHR(info.st_mode) ? OutputKind::CharDevice : OutputKind::Other;
}

std::int32_t WriteStandardOutput(const char* bytes, std::size_t count) {
  return WriteAll(STDOUT_FILENO, bytes, count) ? 0 : WindowsErrorFromErrno(errno);
}

void SetWindowTitle(const std::string& title) {
  // The title goes to the controlling terminal, never into standard output,
  // so redirected output stays exactly as printed.
  static int terminal = ::open("/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (terminal < 0) return;
  std::string sequence = TerminalTitleSequence(title);
  WriteAll(terminal, sequence.data(), sequence.size());
}

std::string FirstArgument() { return FirstArgumentOfArgv(savedArgc, savedArgv); }

std::string SecondArgument() { return ArgumentOfArgv(savedArgc, savedArgv, 2); }

ProgramLocation LocateProgram() {
  std::string path;
  for (std::size_t size = 256;; size *= 2) {
    std::vector<char> buffer(size);
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), size);
    if (length < 0) break;
    if (static_cast<std::size_t>(length) < size) {
      path.assign(buffer.data(), static_cast<std::size_t>(length));
      break;
    }
  }
  if (path.empty() && savedArgc > 0) {
    // No /proc: the real path of the name the program was started by.
    if (char* real = ::realpath(savedArgv[0], nullptr)) {
      path = real;
      std::free(real);
    }
  }
  return SplitAfterLastSeparator(path, "/");
}

bool ConfigFileExists(const std::string& path) {
  // Opening does not wait for a FIFO's writer (O_NONBLOCK); what is open is
  // then tested, and kept for the reading, so that the file found is the file
  // read.
  if (foundConfig >= 0) ::close(foundConfig);
  foundConfig = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (foundConfig < 0) return false;
  struct stat info {};
  if (::fstat(foundConfig, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(foundConfig);
    foundConfig = -1;
    return false;
  }
  foundConfigPath = path;
  return true;
}

void OpenProfile(const std::string& path) {
  // The whole file is read once, so that every value comes from the same
  // version of it, however often it is rewritten meanwhile.
  int fd = -1;
  if (foundConfig >= 0 && foundConfigPath == path) {
    fd = foundConfig;
  } else {
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (foundConfig >= 0) ::close(foundConfig);
  }
  foundConfig = -1;
  profile = PrepareProfile(ReadRegularFile(fd));
  if (fd >= 0) ::close(fd);
}

std::string ReadProfileString(const std::string& section, const std::string& key) {
  return ProfileValue(profile, section, key);
}

void CloseProfile() { profile = PreparedProfile{}; }

std::vector<std::string> ProfileSectionNames() { return ::ProfileSectionNames(profile); }

std::vector<ProfileLine> ProfileSectionLines(const std::string& section) {
  return ::ProfileSectionLines(profile, section);
}

bool ProgramFound(const std::string& name) { return !FindExecutable(name).empty(); }

bool PathExists(const std::string& name) {
  struct stat info {};
  return ::stat(name.c_str(), &info) == 0;
}

LocalTime ReadLocalClock() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

LocaleSettings ReadLocaleSettings() {
  // The user's regional settings for dates and times live in LC_TIME. The
  // program starts in the C locale: when that is what the user's is, there
  // is nothing to load.
  if (!TimeLocaleIsC(std::getenv("LC_ALL"), std::getenv("LC_TIME"), std::getenv("LANG"))) {
    std::setlocale(LC_TIME, "");
  }
  LangInfo info;
  info.dateFormat = ::nl_langinfo(D_FMT);
  info.timeFormat = ::nl_langinfo(T_FMT);
  info.timeFormat12 = ::nl_langinfo(T_FMT_AMPM);
  info.am = ::nl_langinfo(AM_STR);
  info.pm = ::nl_langinfo(PM_STR);
  const nl_item days[7] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
  const nl_item shortDays[7] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
  const nl_item months[12] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                              MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
  const nl_item shortMonths[12] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                   ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
  for (int i = 0; i < 7; ++i) {
    info.dayNames[i] = ::nl_langinfo(days[i]);
    info.shortDayNames[i] = ::nl_langinfo(shortDays[i]);
  }
  for (int i = 0; i < 12; ++i) {
    info.monthNames[i] = ::nl_langinfo(months[i]);
    info.shortMonthNames[i] = ::nl_langinfo(shortMonths[i]);
  }
  return TranslateLangInfo(info);
}

bool StartAndWait(const std::string&, const std::string& name, const std::string& parameters) {
  CollectEndedStarts();
  Command command = MakeCommand(name, ProgramCandidates(name, std::getenv("PATH")),
                                SplitParameters(parameters));
  Spawn spawn(false);
  pid_t child = 0;
  if (!spawn.Start(command, child)) return false;
  WaitFor(child);
  return true;
}

void ShellOpen(const std::string& name, const std::string& parameters, int showState) {
  CollectEndedStarts();
  Command command;
  std::string program = FindExecutable(name);
  if (!program.empty()) {
    command = MakeCommand(name, {program}, SplitParameters(parameters));
  } else {
    // A document: the desktop's opener decides what shows it.
#ifdef __APPLE__
    const std::string opener = "open";
#else
    const std::string opener = "xdg-open";
#endif
    command = MakeCommand(opener, ProgramCandidates(opener, std::getenv("PATH")), {name});
  }
  // A session of its own, so that it outlives Ordovan and its terminal. It
  // never holds Ordovan's pipes or files, or a reader of Ordovan's output
  // would wait for this program's end: only a shown start on a terminal
  // writes to that terminal.
  Spawn spawn(true);
  spawn.OpenNull(STDIN_FILENO, O_RDONLY);
  if (showState != 0 && ::isatty(STDOUT_FILENO)) {
    spawn.Duplicate(STDOUT_FILENO, STDERR_FILENO);
  } else {
    spawn.OpenNull(STDOUT_FILENO, O_WRONLY);
    spawn.OpenNull(STDERR_FILENO, O_WRONLY);
  }
  pid_t child = 0;
  if (spawn.Start(command, child)) ++detachedStarts;
}

void SleepMilliseconds(std::uint32_t milliseconds) {
  timespec left{static_cast<time_t>(milliseconds / 1000),
                static_cast<long>(milliseconds % 1000) * 1000000L};
  while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

void EndProcess(int status) { std::exit(status); }

}  // namespace platform
