#include "chain/pause_seconds.h"

#include <string>

#include "console/output.h"
#include "platform/platform.h"

void PauseSeconds(std::int32_t seconds) {
  for (std::int32_t left = seconds; left > 0; --left) {
    PrintText({Text(kBullet), Text("Sleep: "), Number(left, 2), Byte('\r')});
    SetTitle("Ordovan [sleep:" + std::to_string(left) + "]");
    platform::SleepMilliseconds(1000);
  }
}
