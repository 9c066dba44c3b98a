// Pure helpers for the program's command line and its own path; no system calls.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/platform.h"

inline constexpr std::size_t kMaxArgumentLength = 4096;

// The item after the program's name in a raw Windows command line: blanks and
// other control characters separate items, a pair of quotation marks where an
// item could begin is skipped, quoted stretches keep their separators and lose
// their marks, a backslash is an ordinary character. Cut to 4096 bytes.
std::string FirstArgumentOfCommandLine(std::string_view commandLine);

// The first argument of an already split argv that is not empty, cut to 4096
// bytes; empty when there is none.
std::string FirstArgumentOfArgv(int argc, char** argv);

// Splits a path after its last separator byte: the directory keeps the
// separator, the file name is the rest. When leadBytes is given, a
// byte that it marks starts a double-byte character whose second byte is
// never a separator.
platform::ProgramLocation SplitAfterLastSeparator(std::string_view path,
                                                    std::string_view separators,
                                                    const bool* leadBytes = nullptr);
