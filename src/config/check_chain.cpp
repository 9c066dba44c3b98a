#include "config/check_chain.h"

#include <array>
#include <cstdint>
#include <vector>

#include "chain/launch_entry.h"
#include "config/load_config.h"
#include "config/time_value.h"
#include "console/output.h"
#include "main/end_program.h"
#include "platform/platform.h"

namespace {

constexpr std::size_t kMaxValue = 2047;
constexpr const char* kModeWords[] = {"wait", "hide", "normal", "min", "max"};
constexpr const char* kKeys[] = {"Name", "CmdS", "Size", "Time"};

// The four texts of one slot, exactly as a run reads them.
struct Slot {
  std::string section;
  std::string name, cmdS, size, time;
};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view text) {
  std::string out;
  for (char c : text) out += Lower(c);
  return out;
}

bool SameName(std::string_view a, std::string_view b) { return Folded(a) == Folded(b); }

bool IsModeWord(const std::string& size) {
  for (const char* word : kModeWords) {
    if (size == word) return true;
  }
  return false;
}

// The mode word that a text equals once letter case and blanks are set aside.
std::string MeantModeWord(const std::string& size) {
  std::string_view text = size;
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  std::string folded = Folded(text);
  for (const char* word : kModeWords) {
    if (folded == word) return word;
  }
  return {};
}

std::string ShowState(const std::string& size) {
  if (size == "hide") return "hidden";
  if (size == "normal") return "shown";
  if (size == "min") return "minimised";
  if (size == "max") return "maximised";
  return "shown normally";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Seconds(std::int32_t seconds) {
  return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
}

// What a run does with a filled slot, in one line.
std::string WhatARunDoes(const Slot& slot) {
  std::string line;
  if (slot.size == "wait") {
    line = "run " + CommandLine(slot.name, slot.cmdS) + " and wait for its end";
  } else {
    line = "open " + slot.name;
    if (!slot.cmdS.empty()) line += " with parameters " + slot.cmdS;
    line += " without waiting, " + ShowState(slot.size);
  }
  std::int32_t pause = ParseTimeValue(slot.time);
  return line + (pause > 0 ? ", then pause " + Seconds(pause) : ", no pause");
}

class Findings {
 public:
  // One line: the section, the key and its text (when there is one), what is
  // wrong and what a run does with it.
  void Add(const std::string& section, const std::string& key, const std::string& text,
           const std::string& message) {
    std::string line = "[" + section + "]";
    if (!key.empty()) line += " " + key;
    if (!text.empty()) line += " " + text;
    lines_.push_back(line + ": " + message);
  }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

void CheckSlot(const Slot& slot, Findings& findings) {
  if (!slot.size.empty() && !IsModeWord(slot.size)) {
    std::string meant = MeantModeWord(slot.size);
    std::string message = "not a mode word";
    if (!meant.empty()) message += "; \"" + meant + "\" was probably meant";
    if (meant == "wait") {
      message += ". A run does not wait for this entry: it opens it without waiting, shown normally";
    } else {
      message += ". A run opens this entry without waiting, shown normally";
    }
    findings.Add(slot.section, "Size", Quoted(slot.size), message);
  }
  std::int32_t pause = 0;
  if (!slot.time.empty() && !IsTimeValue(slot.time, pause)) {
    findings.Add(slot.section, "Time", Quoted(slot.time),
                 "not a whole number of seconds. A run takes it as 0 and makes no pause");
  } else if (pause < 0) {
    findings.Add(slot.section, "Time", Quoted(slot.time), "negative. A run makes no pause");
  }
  if (slot.name.empty()) return;
  if (slot.size == "wait") {
    if (!platform::ProgramFound(slot.name)) {
      findings.Add(slot.section, "Name", Quoted(slot.name),
                   "no such program. A run cannot start it and prints \"failed!\"");
    }
  } else if (!platform::PathExists(slot.name) && !platform::ProgramFound(slot.name) &&
             !IsUrl(slot.name)) {
    findings.Add(slot.section, "Name", Quoted(slot.name),
                 "no such file or program, and no URL. The shell may not find it");
  }
}

// The number of a chain section name (File1 to File11), or 0.
int ChainSlotOf(const std::string& section) {
  for (int slot = 1; slot <= kChainSlots; ++slot) {
    if (SameName(section, "File" + std::to_string(slot))) return slot;
  }
  return 0;
}

// What the reader passes over: other sections, repeated sections and keys,
// other keys, lines without '=', values it cuts, and chain sections whose
// Name is empty.
void CheckSections(const std::array<Slot, kChainSlots>& slots, Findings& findings) {
  std::vector<std::string> seen;
  for (const std::string& section : platform::ProfileSectionNames()) {
    int slot = ChainSlotOf(section);
    if (slot == 0) {
      findings.Add(section, "", "", "not a chain section (File1 to File11). A run ignores it");
      continue;
    }
    bool repeated = false;
    for (const std::string& earlier : seen) repeated = repeated || SameName(earlier, section);
    if (repeated) {
      findings.Add(section, "", "",
                   "a second section of this name. A run reads only the first one");
      continue;
    }
    seen.push_back(section);

    std::vector<platform::ProfileLine> lines = platform::ProfileSectionLines(section);
    std::vector<std::string> keys;
    for (const platform::ProfileLine& line : lines) {
      std::string text = line.hasEquals ? Quoted(line.value) : "";
      if (!line.hasEquals) {
        findings.Add(section, Quoted(line.key), "", "a line without \"=\". A run ignores it");
        continue;
      }
      bool known = false;
      for (const char* key : kKeys) known = known || SameName(line.key, key);
      if (!known) {
        findings.Add(section, line.key, text,
                     "not a key of a chain entry (Name, CmdS, Size, Time). A run ignores it");
        continue;
      }
      bool again = false;
      for (const std::string& key : keys) again = again || SameName(key, line.key);
      if (again) {
        findings.Add(section, line.key, text,
                     "a second " + line.key + " in this section. A run reads only the first");
        continue;
      }
      keys.push_back(line.key);
      std::string_view value = line.value;
      if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
          value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
      }
      if (value.size() > kMaxValue) {
        findings.Add(section, line.key, Quoted(std::string(value.substr(0, 20)) + "..."),
                     std::to_string(value.size()) + " bytes long. A run cuts it to its first " +
                         std::to_string(kMaxValue));
      }
    }
    if (!lines.empty() && slots[slot - 1].name.empty()) {
      findings.Add(section, "Name", Quoted(""),
                   "empty, while the section has other keys. A run skips this slot");
    }
  }
}

void PrintPlural(std::int32_t count, const char* one, const char* many, std::string& out) {
  out += std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

bool IsUrl(const std::string& name) {
  std::size_t colon = name.find(':');
  if (colon == std::string::npos || colon < 2) return false;
  auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!letter(name[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    char c = name[i];
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

void RunCheck(const std::string& argument) {
  std::string path = ConfigPath(platform::LocateProgram().directory, argument);
  PrintLine({Text(kBullet), Text("Configuration file: "), Text(path)});
  if (!platform::ConfigFileExists(path)) ReportMissingConfig();
  EndProgram(CheckChain(path) == 0 ? kExitOk : kExitCheckFindings);
}

int CheckChain(const std::string& path) {
  std::array<Slot, kChainSlots> slots;
  Findings findings;
  {
    OpenProfileReader reader(path);
    for (int number = 1; number <= kChainSlots; ++number) {
      Slot& slot = slots[number - 1];
      slot.section = "File" + std::to_string(number);
      slot.name = platform::ReadProfileString(slot.section, "Name");
      slot.cmdS = platform::ReadProfileString(slot.section, "CmdS");
      slot.size = platform::ReadProfileString(slot.section, "Size");
      slot.time = platform::ReadProfileString(slot.section, "Time");
    }
    for (const Slot& slot : slots) {
      if (!slot.name.empty()) CheckSlot(slot, findings);
    }
    CheckSections(slots, findings);
  }

  std::int32_t entries = 0;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].name.empty()) continue;
    ++entries;
    PrintLine({Text(kBullet), Text("Slot "), Number(static_cast<std::int32_t>(i + 1)),
               Text(": "), Text(WhatARunDoes(slots[i]))});
  }
  for (const std::string& line : findings.Lines()) PrintLine({Text(kBullet), Text(line)});
  std::string summary;
  PrintPlural(entries, "entry", "entries", summary);
  summary += ", ";
  PrintPlural(static_cast<std::int32_t>(findings.Lines().size()), "finding", "findings", summary);
  PrintLine({Text(kBullet), Text(summary)});
  return static_cast<int>(findings.Lines().size());
}
