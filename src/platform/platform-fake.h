// A scripted platform for the unit tests: it records every call and plays back
// the results a test has set up. No real I/O, no real processes, no sleeping.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace fake {

// Thrown by platform::EndProcess so that a test can see how the program ended.
struct ProcessEnded {
  int status;
};

struct Platform {
  platform::OutputKind outputKind = platform::OutputKind::Other;
  int openCalls = 0;
  // Every successful WriteStandardOutput call, one element each.
  std::vector<std::string> writes;
  // Writes numbered failFromWrite (0 = the first) up to failFromWrite +
  // failCount - 1 fail with failCode; -1 means no write fails.
  int failFromWrite = -1;
  int failCount = 1 << 30;
  std::int32_t failCode = 109;
  int writeCalls = 0;

  std::vector<std::string> titles;

  std::string firstArgument;
  std::string secondArgument;
  platform::ProgramLocation location{"C:\\Chain\\", "ordovan.exe"};
  // Files that exist, with their contents. Directories are not files.
  std::map<std::string, std::string> files;
  int profileReads = 0;
  std::string profilePath;   // the file the reader was opened on
  bool profileOpen = false;
  bool profileReadRunsOutOfMemory = false;

  platform::LocalTime clock{2002, 12, 9, 1, 14, 3, 5};
  platform::LocaleSettings locale;
  // Programs that a "wait" start would find (for the chain check).
  std::set<std::string> programs;
  // Names whose start fails; every other start succeeds.
  std::vector<std::string> unstartable;
  int sleptMilliseconds = 0;

  // Everything in the order it happened: "write:<bytes>", "title:<text>",
  // "profile-open:<path>", "profile-close",
  // "wait:<command line>|<name>|<parameters>", "open:<name>|<parameters>|<show>",
  // "sleep:<ms>", "exit:<status>"
  std::vector<std::string> events;

  // All bytes written, in order.
  std::string Output() const;
};

// The state the fake platform works on; reset by Reset().
extern Platform state;
void Reset();

}  // namespace fake
