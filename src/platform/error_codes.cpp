#include "platform/error_codes.h"

#include <cerrno>

std::int32_t WindowsErrorFromErrno(int error) {
  switch (error) {
    case EPIPE: return 109;   // ERROR_BROKEN_PIPE
    case ENOSPC:
#if defined(EDQUOT) && EDQUOT != ENOSPC
    case EDQUOT:
#endif
      return 112;             // ERROR_DISK_FULL
    case EACCES:
    case EPERM: return 5;     // ERROR_ACCESS_DENIED
    case EBADF: return 6;     // ERROR_INVALID_HANDLE
    case EFBIG: return 223;   // ERROR_FILE_TOO_LARGE: a file-size limit
    default: return 29;       // ERROR_WRITE_FAULT
  }
}
