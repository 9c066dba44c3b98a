// The chain table and the configuration file it is read from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct ChainEntry {
  std::string Name;  // program or document; empty marks an unused slot
  std::string CmdS;  // its parameters
  std::string Size;  // the mode word: wait, hide, normal, min, max
  std::int32_t Time = 0;  // pause in seconds after the start
};

inline constexpr int kChainSlots = 11;

// Slot K (1 to 11) of the chain is ChainTable[K - 1], filled from section FileK.
// Written once by LoadConfig, only read afterwards.
extern std::array<ChainEntry, kChainSlots> ChainTable;

// The configuration file name used when no argument is given.
inline constexpr const char* kDefaultConfigName = "ordovan.ini";

// The configuration file's path: the program's directory followed directly by
// the first argument, or by the default name when there is none.
std::string ConfigPath(const std::string& programDirectory, const std::string& argument);

// Keeps the INI reader open on a configuration file while it lives, and
// closes it again however the reading ends.
class OpenProfileReader {
 public:
  explicit OpenProfileReader(const std::string& path);
  ~OpenProfileReader();
  OpenProfileReader(const OpenProfileReader&) = delete;
  OpenProfileReader& operator=(const OpenProfileReader&) = delete;
};

// Writes the missing-file lines (an empty line and "Configuration file not
// specified or not found!") and ends the program with exit status 2.
[[noreturn]] void ReportMissingConfig();

// Fills ChainTable from the configuration file. When the file is missing it
// writes the missing-file lines and ends the program with exit status 2.
void LoadConfig();

// Empties every slot again.
void ReleaseChainTable();
