// Pure helpers for the program's command line and its own path; no system calls.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

inline constexpr std::size_t kMaxArgumentLength = 4096;

// The item after the program's name in a raw Windows command line: blanks and
// other control characters separate items, a pair of quotation marks where an
// item could begin is skipped, quoted stretches keep their separators and lose
// their marks, a backslash is an ordinary character. Cut to 4096 bytes.
std::string FirstArgumentOfCommandLine(std::string_view commandLine);

// Item number `number` after the program's name (1 is the first), by the
// same rules; empty when there are fewer items.
std::string ArgumentOfCommandLine(std::string_view commandLine, int number);

// The first argument of an already split argv that is not empty, cut to 4096
// bytes; empty when there is none.
std::string FirstArgumentOfArgv(int argc, char** argv);
// The argument number `number` (1 is the first) among those that are not
// empty, cut to 4096 bytes; empty when there are fewer.
std::string ArgumentOfArgv(int argc, char** argv, int number);

// Where CreateProcessA looks for the program of a command line whose first
// item is name: the name alone when it holds a path ('\', '/' or ':'),
// otherwise the name in each directory in order (a closing backslash is added
// where missing; empty directories are left out). ".exe" is added when the
// name's last element holds no '.'.
std::vector<std::string> WindowsProgramCandidates(const std::string& name,
                                                  const std::vector<std::string>& directories);

// The directories of a Windows PATH value, split at ';', without quotation
// marks and empty elements.
std::vector<std::string> SplitWindowsPath(std::string_view pathValue);

// Splits a path after its last separator byte: the directory keeps the
// separator, the file name is the rest. When leadBytes is given, a
// byte that it marks starts a double-byte character whose second byte is
// never a separator.
platform::ProgramLocation SplitAfterLastSeparator(std::string_view path,
                                                    std::string_view separators,
                                                    const bool* leadBytes = nullptr);
