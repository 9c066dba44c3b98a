// ordovan: starts up to eleven programs or documents one after another, as a
// chain read from an INI file, with a time-stamped line and a pause for each.

#include "chain/time_stamp.h"
#include "console/output.h"
#include "main/program_flow.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  platform::StartUp(argc, argv);
  InitStandardOutput();
  InitTimeStampLocale();  // once, before the banner
  RunProgram();
}
