#include "chain/launch_entry.h"

#include "console/output.h"
#include "platform/platform.h"

std::string CommandLine(const std::string& name, const std::string& cmdS) {
  return "\"" + name + "\" " + cmdS;
}

bool ExecAndWait(const std::string& commandLine, const std::string& name,
                 const std::string& cmdS) {
  HandOverBeforeStart();
  bool started = platform::StartAndWait(commandLine, name, cmdS);
  PrintLine({Text(kBullet), Text("<"), Text(commandLine), Text(started ? "> done!" : "> failed!")});
  return started;
}

bool LaunchEntry(const std::string& name, const std::string& cmdS, const std::string& size) {
  if (size == "wait") return ExecAndWait(CommandLine(name, cmdS), name, cmdS);
  int show = kShowOther;
  if (size == "hide") show = kShowHide;
  if (size == "normal") show = kShowShow;
  if (size == "min") show = kShowMinimized;
  if (size == "max") show = kShowMaximized;
  HandOverBeforeStart();
  platform::ShellOpen(name, cmdS, show);
  return true;
}
