// Windows implementation of the platform layer.

#include <windows.h>

#include <vector>

#include "platform/command_line.h"
#include "platform/platform.h"

namespace platform {
namespace {

HANDLE standardOutput = INVALID_HANDLE_VALUE;

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
  SplitPath split = SplitAfterLastSeparator(std::string_view(buffer.data(), buffer.size()),
                                            "\\:", dbcs ? leadBytes : nullptr);
  return {split.directory, split.fileName};
}

bool ReadableFileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& path) {
  char buffer[2048];
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                          sizeof buffer, path.c_str());
  return std::string(buffer, length);
}

void EndProcess(int status) { ExitProcess(static_cast<UINT>(status)); }

}  // namespace platform
