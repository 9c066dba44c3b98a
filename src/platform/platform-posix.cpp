// POSIX implementation of the platform layer.

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/command_line.h"
#include "platform/error_codes.h"
#include "platform/ini_reader.h"
#include "platform/platform.h"

namespace platform {
namespace {

int savedArgc = 0;
char** savedArgv = nullptr;

bool WriteAll(int fd, const char* bytes, std::size_t count) {
  while (count > 0) {
    ssize_t written = ::write(fd, bytes, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

void StartUp(int argc, char** argv) {
  savedArgc = argc;
  savedArgv = argv;
  // A reader that has gone must turn into a failed write, not a silent death.
  // Programs that the chain starts get SIGPIPE back at its default before exec.
  ::signal(SIGPIPE, SIG_IGN);
}

OutputKind OpenStandardOutput() {
  struct stat info {};
  if (::fstat(STDOUT_FILENO, &info) != 0) return OutputKind::NotAvailable;
  return S_ISCHR(info.st_mode) ? OutputKind::CharDevice : OutputKind::Other;
}

std::int32_t WriteStandardOutput(const char* bytes, std::size_t count) {
  return WriteAll(STDOUT_FILENO, bytes, count) ? 0 : WindowsErrorFromErrno(errno);
}

void SetWindowTitle(const std::string& title) {
  // The title goes to the controlling terminal, never into standard output,
  // so redirected output stays exactly as printed.
  static int terminal = ::open("/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (terminal < 0) return;
  std::string sequence = "\x1B]0;";
  for (char c : title) {
    auto code = static_cast<unsigned char>(c);
    // Control bytes would end the sequence early or start another one.
    sequence += (code < 0x20 || code == 0x7F) ? '?' : c;
  }
  sequence += '\a';
  WriteAll(terminal, sequence.data(), sequence.size());
}

std::string FirstArgument() { return FirstArgumentOfArgv(savedArgc, savedArgv); }

ProgramLocation LocateProgram() {
  std::string path;
  for (std::size_t size = 256;; size *= 2) {
    std::vector<char> buffer(size);
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), size);
    if (length < 0) break;
    if (static_cast<std::size_t>(length) < size) {
      path.assign(buffer.data(), static_cast<std::size_t>(length));
      break;
    }
  }
  if (path.empty() && savedArgc > 0) {
    // No /proc: the real path of the name the program was started by.
    if (char* real = ::realpath(savedArgv[0], nullptr)) {
      path = real;
      std::free(real);
    }
  }
  SplitPath split = SplitAfterLastSeparator(path, "/");
  return {split.directory, split.fileName};
}

bool ReadableFileExists(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool present = ::fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
  ::close(fd);
  return present;
}

std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return ProfileValue(text, section, key);
}

void EndProcess(int status) { std::exit(status); }

}  // namespace platform
