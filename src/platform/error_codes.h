#pragma once

#include <cstdint>

// The Windows system error code of the same meaning as a POSIX errno value of
// a failed write, so that the same fault gives the same report everywhere:
// EPIPE 109, ENOSPC and EDQUOT 112, EACCES and EPERM 5, EBADF 6, and 29
// (ERROR_WRITE_FAULT) for every other value.
std::int32_t WindowsErrorFromErrno(int error);
