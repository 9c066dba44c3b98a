// Windows implementation of the platform layer.

#include <windows.h>
#include <objbase.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "platform/command_line.h"
#include "platform/platform.h"

namespace platform {
namespace {

HANDLE standardOutput = INVALID_HANDLE_VALUE;
// The configuration file that the profile reads go to, while the reader is open.
std::string profilePath;

// Marks the lead bytes of double-byte characters of the ANSI code page, or
// returns false when the system has no double-byte support.
bool ReadLeadBytes(bool (&leadBytes)[256]) {
  if (GetSystemMetrics(SM_DBCSENABLED) == 0) return false;
  CPINFO info{};
  if (!GetCPInfo(CP_ACP, &info)) return false;
  for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
    for (int byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte) leadBytes[byte] = true;
  }
  return true;
}

// The texts of a double-NUL-terminated list that one of the profile functions
// writes; fill(buffer, size) makes the call. Pointers into the returned buffer.
struct TextListResult {
  std::vector<char> buffer;
  std::vector<const char*> texts;
  auto begin() const { return texts.begin(); }
  auto end() const { return texts.end(); }
};

template <class Fill>
TextListResult TextList(Fill fill) {
  for (DWORD size = 4096;; size *= 2) {
    TextListResult result;
    result.buffer.assign(size, '\0');
    DWORD length = fill(result.buffer.data(), size);
    if (length + 2 >= size) continue;  // cut short: try again with more room
    for (const char* text = result.buffer.data(); *text != '\0'; text += std::strlen(text) + 1) {
      result.texts.push_back(text);
    }
    return result;
  }
}

// One locale item as text; false when the call fails.
bool LocaleText(LCID locale, LCTYPE item, std::string& text, int room = 256) {
  std::vector<char> buffer(static_cast<std::size_t>(room));
  int length = GetLocaleInfoA(locale, item, buffer.data(), room);
  if (length <= 0) return false;
  text.assign(buffer.data(), static_cast<std::size_t>(length - 1));
  return true;
}

// A numeric locale item: its decimal value, 0 for a text that is no number.
int LocaleNumber(LCID locale, LCTYPE item) {
  std::string text;
  if (!LocaleText(locale, item, text) || text.empty()) return 0;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

// A day or month name; the fallback stays when the locale gives none.
void LocaleName(LCID locale, LCTYPE item, std::string& name) {
  std::string text;
  if (LocaleText(locale, item, text) && !text.empty()) name = text;
}

}  // namespace

void StartUp(int, char**) {}

OutputKind OpenStandardOutput() {
  HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
  if (handle == INVALID_HANDLE_VALUE) return OutputKind::NotAvailable;
  DWORD type = GetFileType(handle);
  if (type == FILE_TYPE_UNKNOWN) {
    CloseHandle(handle);
    return OutputKind::NotAvailable;
  }
  standardOutput = handle;
  return type == FILE_TYPE_CHAR ? OutputKind::CharDevice : OutputKind::Other;
}

std::int32_t WriteStandardOutput(const char* bytes, std::size_t count) {
  DWORD written = 0;
  if (WriteFile(standardOutput, bytes, static_cast<DWORD>(count), &written, nullptr)) return 0;
  return static_cast<std::int32_t>(GetLastError());
}

void SetWindowTitle(const std::string& title) { SetConsoleTitleA(title.c_str()); }

std::string FirstArgument() { return FirstArgumentOfCommandLine(GetCommandLineA()); }

std::string SecondArgument() { return ArgumentOfCommandLine(GetCommandLineA(), 2); }

ProgramLocation LocateProgram() {
  std::vector<char> buffer(261);
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) {
      buffer.resize(length);
      break;
    }
    buffer.resize(buffer.size() * 2);  // cut short: try again with more room
  }
  bool leadBytes[256] = {};
  bool dbcs = ReadLeadBytes(leadBytes);
  return SplitAfterLastSeparator(std::string_view(buffer.data(), buffer.size()), "\\:",
                                 dbcs ? leadBytes : nullptr);
}

bool ConfigFileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // A device (NUL, CON, a serial port) or a pipe opens as well, but is no file.
  bool regular = GetFileType(file) == FILE_TYPE_DISK;
  CloseHandle(file);
  return regular;
}

void OpenProfile(const std::string& path) { profilePath = path; }

std::string ReadProfileString(const std::string& section, const std::string& key) {
  char buffer[2048];
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                          sizeof buffer, profilePath.c_str());
  return std::string(buffer, length);
}

void CloseProfile() { profilePath.clear(); }

std::vector<std::string> ProfileSectionNames() {
  std::vector<std::string> names;
  for (const char* name : TextList([](char* buffer, DWORD size) {
         return GetPrivateProfileSectionNamesA(buffer, size, profilePath.c_str());
       })) {
    names.emplace_back(name);
  }
  return names;
}

std::vector<ProfileLine> ProfileSectionLines(const std::string& section) {
  std::vector<ProfileLine> lines;
  for (const char* text : TextList([&](char* buffer, DWORD size) {
         return GetPrivateProfileSectionA(section.c_str(), buffer, size, profilePath.c_str());
       })) {
    std::string_view line(text);
    std::size_t equals = line.find('=');
    ProfileLine entry;
    entry.key = line.substr(0, equals);
    if (equals != std::string_view::npos) {
      entry.hasEquals = true;
      entry.value = line.substr(equals + 1);
    }
    lines.push_back(std::move(entry));
  }
  return lines;
}

bool ProgramFound(const std::string& name) {
  std::vector<std::string> directories = {LocateProgram().directory};
  char buffer[MAX_PATH + 1];
  if (DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer); length && length < sizeof buffer) {
    directories.emplace_back(buffer, length);
  }
  if (UINT length = GetSystemDirectoryA(buffer, sizeof buffer); length && length < sizeof buffer) {
    directories.emplace_back(buffer, length);
  }
  if (UINT length = GetWindowsDirectoryA(buffer, sizeof buffer); length && length < sizeof buffer) {
    std::string windows(buffer, length);
    directories.push_back(windows + "\\System");  // the 16-bit system directory
    directories.push_back(windows);
  }
  if (DWORD length = GetEnvironmentVariableA("PATH", nullptr, 0); length > 0) {
    std::vector<char> path(length);
    length = GetEnvironmentVariableA("PATH", path.data(), length);
    for (std::string& directory : SplitWindowsPath(std::string_view(path.data(), length))) {
      directories.push_back(std::move(directory));
    }
  }
  for (const std::string& candidate : WindowsProgramCandidates(name, directories)) {
    DWORD attributes = GetFileAttributesA(candidate.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return true;
    }
  }
  return false;
}

bool PathExists(const std::string& name) {
  return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

LocalTime ReadLocalClock() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wDayOfWeek, now.wHour, now.wMinute, now.wSecond};
}

LocaleSettings ReadLocaleSettings() {
  LCID locale = GetThreadLocale();
  LocaleSettings settings;
  std::string text;
  if (LocaleText(locale, LOCALE_SSHORTDATE, text)) settings.shortDate = text;
  // The separators are single characters: room for one and its zero.
  if (LocaleText(locale, LOCALE_SDATE, text, 2)) settings.dateSeparator = text;
  if (LocaleText(locale, LOCALE_STIME, text, 2)) settings.timeSeparator = text;
  settings.clock24 = LocaleNumber(locale, LOCALE_ITIME) != 0;
  settings.hourLeadingZero = LocaleNumber(locale, LOCALE_ITLZERO) != 0;
  if (!settings.clock24) settings.markFirst = LocaleNumber(locale, LOCALE_ITIMEMARKPOSN) != 0;
  if (LocaleText(locale, LOCALE_S1159, text)) settings.am = text;
  if (LocaleText(locale, LOCALE_S2359, text)) settings.pm = text;
  // Windows numbers the days from Monday (1) to Sunday (7).
  for (int day = 0; day < 7; ++day) {
    LCTYPE offset = static_cast<LCTYPE>((day + 6) % 7);
    LocaleName(locale, LOCALE_SDAYNAME1 + offset, settings.dayNames[day]);
    LocaleName(locale, LOCALE_SABBREVDAYNAME1 + offset, settings.shortDayNames[day]);
  }
  for (int month = 0; month < 12; ++month) {
    LCTYPE offset = static_cast<LCTYPE>(month);
    LocaleName(locale, LOCALE_SMONTHNAME1 + offset, settings.monthNames[month]);
    LocaleName(locale, LOCALE_SABBREVMONTHNAME1 + offset, settings.shortMonthNames[month]);
  }
  return settings;
}

bool StartAndWait(const std::string& commandLine, const std::string&, const std::string&) {
  // CreateProcessA may write into the command line: hand it a copy.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return true;
}

void ShellOpen(const std::string& name, const std::string& parameters, int showState) {
  // The shell and COM are loaded with the first shell start, not with the
  // program: a chain of waited programs, --help or --check never needs them.
  using CoInitializeExCall = HRESULT(WINAPI*)(LPVOID, DWORD);
  using ShellExecuteACall = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  static const ShellExecuteACall shellExecute = [] {
    // Opening a document can go through shell extensions that need COM on
    // the calling thread; it is set up once, before the first start.
    if (HMODULE ole32 = LoadLibraryA("ole32.dll")) {
      auto coInitializeEx = reinterpret_cast<CoInitializeExCall>(
          reinterpret_cast<void*>(GetProcAddress(ole32, "CoInitializeEx")));
      if (coInitializeEx) coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    }
    HMODULE shell32 = LoadLibraryA("shell32.dll");
    return shell32 ? reinterpret_cast<ShellExecuteACall>(
                         reinterpret_cast<void*>(GetProcAddress(shell32, "ShellExecuteA")))
                   : nullptr;
  }();
  if (shellExecute) {
    shellExecute(nullptr, "open", name.c_str(), parameters.c_str(), nullptr, showState);
  }
}

void SleepMilliseconds(std::uint32_t milliseconds) { Sleep(milliseconds); }

void EndProcess(int status) { ExitProcess(static_cast<UINT>(status)); }

}  // namespace platform
