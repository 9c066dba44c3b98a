#include "platform/error_codes.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(WindowsErrorFromErrno, GivesTheWindowsCodeOfTheSameMeaning) {
  EXPECT_EQ(WindowsErrorFromErrno(EPIPE), 109);
  EXPECT_EQ(WindowsErrorFromErrno(ENOSPC), 112);
#ifdef EDQUOT
  EXPECT_EQ(WindowsErrorFromErrno(EDQUOT), 112);
#endif
  EXPECT_EQ(WindowsErrorFromErrno(EACCES), 5);
  EXPECT_EQ(WindowsErrorFromErrno(EPERM), 5);
  EXPECT_EQ(WindowsErrorFromErrno(EBADF), 6);
  EXPECT_EQ(WindowsErrorFromErrno(EFBIG), 223);
  // Everything else is a write fault; a raw errno never passes through.
  for (int error : {EIO, EINVAL, EAGAIN, 2, 3, 4, 100, 101, 106}) {
    if (error == EPIPE || error == ENOSPC || error == EACCES || error == EPERM ||
        error == EBADF || error == EFBIG) {
      continue;
    }
    EXPECT_EQ(WindowsErrorFromErrno(error), 29) << "errno " << error;
  }
}

}  // namespace
