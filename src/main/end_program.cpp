#include "main/end_program.h"

#include "config/load_config.h"
#include "console/output.h"
#include "platform/platform.h"

void EndProgram(int status) {
  ReleaseChainTable();
  FinalWriteOut();
  platform::EndProcess(status);
}
