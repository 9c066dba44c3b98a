#include "main/program_flow.h"

#include <cstdio>
#include <new>

#include "chain/run_chain.h"
#include "config/check_chain.h"
#include "config/load_config.h"
#include "console/errors.h"
#include "console/output.h"
#include "main/end_program.h"
#include "main/options.h"
#include "platform/platform.h"

#ifndef ORDOVAN_VERSION
#error "ORDOVAN_VERSION must be set by the build"
#endif
#ifndef ORDOVAN_HOMEPAGE
#error "ORDOVAN_HOMEPAGE must be set by the build"
#endif

namespace {

constexpr std::string_view kBanner =
    "Ordovan " ORDOVAN_VERSION " - starts programs and documents one after another, in order";
static_assert(kBanner.size() == 73, "the first banner line is exactly 73 bytes");

constexpr std::string_view kNotice = "Copyright (c) The Ordovan authors - " ORDOVAN_HOMEPAGE;

void ReportAndEnd(const Exception& error) {
  try {
    PrintLine({Text(ErrorReport(error, platform::LocateProgram().fileName))});
  } catch (const Exception&) {
    // Standard output is gone; there is nowhere left to say anything.
  }
  EndProgram(kExitError);
}

}  // namespace

std::string_view BannerLine() { return kBanner; }
std::string_view NoticeLine() { return kNotice; }

std::string ErrorReport(const Exception& error, const std::string& moduleName) {
  char location[9];
  std::snprintf(location, sizeof location, "%08X", static_cast<unsigned>(error.Location()));
  std::string report = "Exception " + error.Kind() + " in module " + moduleName + " at " +
                       location + ".\n" + error.Message();
  if (!error.Message().empty() && !error.Message().ends_with('.')) report += '.';
  return report;
}

void RunProgram() {
  bool everyStartSucceeded = true;
  try {
    Command command = CommandOf(platform::FirstArgument());
    switch (command) {
      case Command::Help:
        PrintHelp();
        EndProgram(kExitOk);
      case Command::Version:
        PrintVersion();
        EndProgram(kExitOk);
      case Command::Check:
      case Command::Run:
        break;
    }
    PrintLine({Text(kBanner)});
    PrintLine({Text(kNotice)});
    if (command == Command::Check) RunCheck(platform::SecondArgument());
    LoadConfig();
    everyStartSucceeded = RunChain();
    PrintLine({Text(kBullet), Text("Done.")});
    SetTitle("Ordovan [done]");
  } catch (const Exception& error) {
    ReportAndEnd(error);
  } catch (const std::bad_alloc&) {
    ReportAndEnd(EOutOfMemory(0));
  }
  EndProgram(everyStartSucceeded ? kExitOk : kExitStartFailed);
}
