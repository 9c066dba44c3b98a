// The only way the rest of Ordovan reaches the operating system.
//
// Every function here has a Windows implementation (platform-win32.cpp), a
// POSIX one (platform-posix.cpp) and a scripted one for the unit tests
// (platform-fake.cpp). Exactly one of them is linked into each binary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Called first thing in main, before anything is written. POSIX needs argv
// (it has no raw command line) and ignores SIGPIPE and SIGXFSZ here so that a
// pipe whose reader has gone, or a file-size limit, shows up as a failed write
// instead of killing the process.
void StartUp(int argc, char** argv);

// ---- Standard output -------------------------------------------------------

enum class OutputKind {
  NotAvailable,  // no standard output at all
  CharDevice,    // a console or another character device: flushed per line
  Other,         // a disk file, a pipe: written in full 128-byte blocks
};

// Looks at the process's standard output handle once it is first needed.
OutputKind OpenStandardOutput();

// Hands bytes to standard output. Returns 0 when they were taken, otherwise a
// Windows system error code saying why not (109 broken pipe, 112 disk full,
// 5 access denied, 6 invalid handle, ...), on every platform alike.
std::int32_t WriteStandardOutput(const char* bytes, std::size_t count);

// Replaces the console window's title. Failure is silently ignored.
void SetWindowTitle(const std::string& title);

// ---- The program's own place and arguments ---------------------------------

// The first argument after the program's name, as the user meant it, cut to
// 4096 bytes; empty when there is none.
std::string FirstArgument();
// The argument after the first one, by the same rules.
std::string SecondArgument();

struct ProgramLocation {
  std::string directory;  // with its closing separator; may be empty
  std::string fileName;   // the last element of the program's path
};
ProgramLocation LocateProgram();

// True when path names a regular file (symbolic links followed) that can be
// opened for reading. A directory, a FIFO, a device or a socket is no
// configuration file. Wildcard characters are ordinary characters here.
bool ConfigFileExists(const std::string& path);

// The INI reader: opened on the configuration file once, read value by value,
// closed once the chain table is filled. Opening tests nothing; a file that
// cannot be read gives the empty text for every value.
void OpenProfile(const std::string& path);
// One value: the empty text when the file, the section or the key is missing;
// at most 2047 bytes.
std::string ReadProfileString(const std::string& section, const std::string& key);
void CloseProfile();

// One line of a section of the INI file, as the profile functions list it:
// the key and the value after '=' as written (quotation marks and length
// kept), or a key alone for a line without '='.
struct ProfileLine {
  std::string key;
  std::string value;
  bool hasEquals = false;
};

// The names of the open file's sections, in file order, repeats included.
std::vector<std::string> ProfileSectionNames();
// The lines of the first section of that name, without comments.
std::vector<ProfileLine> ProfileSectionLines(const std::string& section);

// ---- Finding programs and documents ------------------------------------------

// Whether a "wait" start of name would find a program: on POSIX by the PATH
// lookup a start makes; on Windows by the search CreateProcessA makes for a
// command line's first item (the program's directory, the current directory,
// the system directories, PATH; ".exe" added when there is no extension).
bool ProgramFound(const std::string& name);

// Whether name is an existing file or directory, as the shell would open it.
bool PathExists(const std::string& name);

// ---- Clock and locale -------------------------------------------------------

struct LocalTime {
  int year = 1980;
  int month = 1;      // 1 to 12
  int day = 1;        // 1 to 31
  int dayOfWeek = 0;  // 0 Sunday to 6 Saturday
  int hour = 0;       // 0 to 23
  int minute = 0;
  int second = 0;
};

LocalTime ReadLocalClock();

// The user's date and time settings that time stamps are written with. A
// default-constructed value holds the fallback for every item.
struct LocaleSettings {
  std::string shortDate = "m/d/yy";  // the short date pattern
  std::string dateSeparator = "/";
  std::string timeSeparator = ":";
  bool clock24 = false;         // 24-hour clock rather than 12-hour
  bool hourLeadingZero = false; // hours always in two digits
  bool markFirst = false;       // 12-hour clock: designator before the time
  std::string am = "am";
  std::string pm = "pm";
  std::string dayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};
  std::string shortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::string monthNames[12] = {"January", "February", "March",     "April",
                                "May",     "June",     "July",      "August",
                                "September", "October", "November", "December"};
  std::string shortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
};

// Reads the settings of the user's locale, with the fallback for every item
// that cannot be read.
LocaleSettings ReadLocaleSettings();

// ---- Starting programs ---------------------------------------------------------

// Starts a new process and waits, with no time limit, until it has ended.
// Windows runs commandLine as it stands; POSIX runs name itself (looked up on
// PATH when it holds no '/') with the arguments split from parameters by shell
// quoting rules, without a shell. Returns false when nothing could be started.
bool StartAndWait(const std::string& commandLine, const std::string& name,
                  const std::string& parameters);

// Hands name and parameters to the desktop's "open" with a window show state
// (0 hide, 1 normal, 2 minimised, 3 maximised, 5 show) and returns at once.
// Whether that worked is not reported. The started program never holds
// Ordovan's standard output: on POSIX its standard streams are /dev/null, or
// Ordovan's terminal when it is shown and Ordovan writes to a terminal.
void ShellOpen(const std::string& name, const std::string& parameters, int showState);

// Blocks the thread for at least the given time.
void SleepMilliseconds(std::uint32_t milliseconds);

// ---- Ending ------------------------------------------------------------------

[[noreturn]] void EndProcess(int status);

}  // namespace platform
