// The only way the rest of Ordovan reaches the operating system.
//
// Every function here has a Windows implementation (platform-win32.cpp), a
// POSIX one (platform-posix.cpp) and a scripted one for the unit tests
// (platform-fake.cpp). Exactly one of them is linked into each binary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// Called first thing in main, before anything is written. POSIX needs argv
// (it has no raw command line) and ignores SIGPIPE here so that a pipe whose
// reader has gone shows up as a failed write instead of killing the process.
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

struct ProgramLocation {
  std::string directory;  // with its closing separator; may be empty
  std::string fileName;   // the last element of the program's path
};
ProgramLocation LocateProgram();

// True when path names an existing file, not a directory, that can be opened
// for reading. Wildcard characters are ordinary characters here.
bool ReadableFileExists(const std::string& path);

// One value of an INI file: the empty text when the file, the section or the
// key is missing; at most 2047 bytes.
std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& path);

// ---- Ending ------------------------------------------------------------------

[[noreturn]] void EndProcess(int status);

}  // namespace platform
