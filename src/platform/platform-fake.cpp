#include "platform/platform-fake.h"

#include <new>
#include <stdexcept>

#include "platform/ini_reader.h"

namespace fake {

Platform state;

void Reset() { state = Platform{}; }

std::string Platform::Output() const {
  std::string all;
  for (const std::string& write : writes) all += write;
  return all;
}

}  // namespace fake

namespace platform {

using fake::state;

void StartUp(int, char**) {}

OutputKind OpenStandardOutput() {
  ++state.openCalls;
  return state.outputKind;
}

std::int32_t WriteStandardOutput(const char* bytes, std::size_t count) {
  int number = state.writeCalls++;
  if (state.failFromWrite >= 0 && number >= state.failFromWrite &&
      number - state.failFromWrite < state.failCount) {
    state.events.push_back("write-failed");
    return state.failCode;
  }
  state.writes.emplace_back(bytes, count);
  state.events.push_back("write:" + state.writes.back());
  return 0;
}

void SetWindowTitle(const std::string& title) {
  state.titles.push_back(title);
  state.events.push_back("title:" + title);
}

std::string FirstArgument() { return state.firstArgument; }

std::string SecondArgument() { return state.secondArgument; }

ProgramLocation LocateProgram() { return state.location; }

bool ConfigFileExists(const std::string& path) { return state.files.count(path) != 0; }

void OpenProfile(const std::string& path) {
  state.profilePath = path;
  state.profileOpen = true;
  state.events.push_back("profile-open:" + path);
}

std::string ReadProfileString(const std::string& section, const std::string& key) {
  ++state.profileReads;
  if (!state.profileOpen) throw std::logic_error("profile read while the reader is closed");
  if (state.profileReadRunsOutOfMemory) throw std::bad_alloc();
  auto file = state.files.find(state.profilePath);
  return file == state.files.end() ? std::string() : ProfileValue(file->second, section, key);
}

std::vector<std::string> ProfileSectionNames() {
  auto file = state.files.find(state.profilePath);
  if (file == state.files.end()) return {};
  return ::ProfileSectionNames(PrepareProfile(file->second));
}

std::vector<ProfileLine> ProfileSectionLines(const std::string& section) {
  auto file = state.files.find(state.profilePath);
  if (file == state.files.end()) return {};
  return ::ProfileSectionLines(PrepareProfile(file->second), section);
}

bool ProgramFound(const std::string& name) { return state.programs.count(name) != 0; }

bool PathExists(const std::string& name) {
  return state.files.count(name) != 0 || state.programs.count(name) != 0;
}

void CloseProfile() {
  state.profileOpen = false;
  state.events.push_back("profile-close");
}

LocalTime ReadLocalClock() {
  state.events.push_back("clock");
  return state.clock;
}

LocaleSettings ReadLocaleSettings() { return state.locale; }

bool StartAndWait(const std::string& commandLine, const std::string& name,
                  const std::string& parameters) {
  state.events.push_back("wait:" + commandLine + "|" + name + "|" + parameters);
  for (const std::string& bad : state.unstartable) {
    if (bad == name) return false;
  }
  return true;
}

void ShellOpen(const std::string& name, const std::string& parameters, int showState) {
  state.events.push_back("open:" + name + "|" + parameters + "|" + std::to_string(showState));
}

void SleepMilliseconds(std::uint32_t milliseconds) {
  state.sleptMilliseconds += static_cast<int>(milliseconds);
  state.events.push_back("sleep:" + std::to_string(milliseconds));
}

void EndProcess(int status) {
  state.events.push_back("exit:" + std::to_string(status));
  throw fake::ProcessEnded{status};
}

}  // namespace platform
