#include "main/options.h"

#include "console/output.h"
#include "main/program_flow.h"

#ifndef ORDOVAN_VERSION
#error "ORDOVAN_VERSION must be set by the build"
#endif

namespace {

// Windows programs answer /? as well.
#ifdef _WIN32
constexpr bool kSlashQuestionMark = true;
#define ORDOVAN_HELP_WORDS "--help | -h | /?"
#else
constexpr bool kSlashQuestionMark = false;
#define ORDOVAN_HELP_WORDS "--help | -h"
#endif

constexpr std::string_view kHelp[] = {
    "Usage: ordovan [CONFIG]",
    "       ordovan --check [CONFIG]",
    "       ordovan " ORDOVAN_HELP_WORDS,
    "       ordovan --version | -V",
    "",
    "Starts up to eleven programs or documents one after another, as a chain read",
    "from CONFIG, with a time-stamped line and a pause for each.",
    "CONFIG is always taken relative to the program's own directory;",
    "without it, ordovan.ini there is used. --check reads CONFIG as a run would,",
    "says what a run would do and what is probably a mistake, and runs nothing.",
    "",
    "Sections [File1] to [File11], with the keys:",
    "  Name=  the program or document to start; empty leaves the slot unused",
    "  CmdS=  its parameters",
    "  Size=  the mode word, below",
    "  Time=  the pause in seconds after the start; 0 or less for none",
    "Mode words:",
    "  wait    start the program and wait for its end",
    "  hide    hand it to the desktop to open, hidden",
    "  normal  hand it to the desktop to open, shown",
    "  min     hand it to the desktop to open, minimised",
    "  max     hand it to the desktop to open, maximised",
    "  other   any other word: hand it to the desktop to open, shown normally",
    "",
    "Exit status: 0 the chain ran to its end; 1 an error ended the run;",
    "2 the configuration file was not found; 3 a wait entry could not be started;",
    "4 --check found something.",
    "",
    "Full documentation: README.md beside the program, ordovan(1), and",
    ORDOVAN_HOMEPAGE,
};

}  // namespace

Command CommandOf(std::string_view firstArgument) {
  if (firstArgument == "--help" || firstArgument == "-h") return Command::Help;
  if (kSlashQuestionMark && firstArgument == "/?") return Command::Help;
  if (firstArgument == "--version" || firstArgument == "-V") return Command::Version;
  if (firstArgument == "--check") return Command::Check;
  return Command::Run;
}

void PrintHelp() {
  PrintLine({Text(BannerLine())});
  PrintLine({});
  for (std::string_view line : kHelp) PrintLine({Text(line)});
}

void PrintVersion() {
  PrintLine({Text("Ordovan " ORDOVAN_VERSION)});
  PrintLine({Text(NoticeLine())});
}
