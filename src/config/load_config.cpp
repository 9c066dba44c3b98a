#include "config/load_config.h"

#include "config/time_value.h"
#include "console/output.h"
#include "main/end_program.h"
#include "platform/platform.h"

std::array<ChainEntry, kChainSlots> ChainTable;

std::string ConfigPath(const std::string& programDirectory, const std::string& argument) {
  // The argument is always relative to the program's directory, whatever it
  // looks like: nothing is inserted or normalised between the two.
  return programDirectory + (argument.empty() ? std::string(kDefaultConfigName) : argument);
}

OpenProfileReader::OpenProfileReader(const std::string& path) { platform::OpenProfile(path); }
OpenProfileReader::~OpenProfileReader() { platform::CloseProfile(); }

void ReportMissingConfig() {
  PrintLine({});
  PrintLine({Text(kBullet), Text("Configuration file not specified or not found!")});
  EndProgram(kExitConfigMissing);
}

void LoadConfig() {
  std::string path = ConfigPath(platform::LocateProgram().directory, platform::FirstArgument());
  if (!platform::ConfigFileExists(path)) ReportMissingConfig();
  OpenProfileReader reader(path);
  for (int slot = 1; slot <= kChainSlots; ++slot) {
    std::string section = "File" + std::to_string(slot);
    ChainEntry& entry = ChainTable[slot - 1];
    entry.Name = platform::ReadProfileString(section, "Name");
    entry.CmdS = platform::ReadProfileString(section, "CmdS");
    entry.Size = platform::ReadProfileString(section, "Size");
    entry.Time = ParseTimeValue(platform::ReadProfileString(section, "Time"));
  }
}

void ReleaseChainTable() { ChainTable.fill(ChainEntry{}); }
