#include "console/errors.h"

std::string InOutErrorMessage(std::int32_t code) {
  switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 106: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
  }
}

EInOutError::EInOutError(std::int32_t code, std::uint32_t location)
    : Exception("EInOutError", InOutErrorMessage(code), location), code_(code) {}
