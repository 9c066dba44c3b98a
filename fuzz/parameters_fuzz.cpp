// The POSIX CmdS splitter: quoting each argument it gives and splitting the
// joined text again gives the same list.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/posix_command.h"

namespace {

std::string Quoted(const std::string& argument) {
  std::string out = "'";
  for (char c : argument) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string Shown(const std::vector<std::string>& list) {
  std::string out;
  for (const std::string& item : list) out += "[" + item + "]";
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> arguments = SplitParameters(text);
  std::string joined;
  for (const std::string& argument : arguments) joined += (joined.empty() ? "" : " ") + Quoted(argument);
  std::vector<std::string> again = SplitParameters(joined);
  Require(again == arguments, "quoting and splitting again gives the same list",
          "text: " + text + "\nfirst: " + Shown(arguments) + "\nagain: " + Shown(again));
  return 0;
}
