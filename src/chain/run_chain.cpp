#include "chain/run_chain.h"

#include "chain/launch_entry.h"
#include "chain/pause_seconds.h"
#include "chain/time_stamp.h"
#include "config/load_config.h"
#include "console/output.h"
#include "platform/platform.h"

bool RunChain() {
  bool everyStartSucceeded = true;
  for (const ChainEntry& entry : ChainTable) {
    if (entry.Name.empty()) continue;
    std::string stamp = FormatTimeStamp(TimeStampLocale(), platform::ReadLocalClock());
    PrintLine({Text(kBullet), Text(stamp), Text(" Run: "), Text(entry.Name)});
    SetTitle("Ordovan [run: " + entry.Name + "]");
    if (!LaunchEntry(entry.Name, entry.CmdS, entry.Size)) everyStartSucceeded = false;
    PauseSeconds(entry.Time);
  }
  return everyStartSucceeded;
}
