// All of Ordovan's output: whole lines, text without a line end, and the
// console window title.
//
// Standard output goes through one 128-byte buffer. On a console (any
// character device) every PrintLine and PrintText hands its bytes over before
// it returns; on a file or a pipe bytes leave only in full 128-byte blocks and
// the rest just before a program is started and at the orderly end of the
// program. A write the system refuses makes
// the operation that noticed it raise EInOutError.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// The bullet that opens every progress line. Windows writes the single byte
// 0xFE (a small square in the OEM code page); a POSIX terminal would show a
// lone 0xFE as an invalid character, so there it is U+25A0 in UTF-8.
#ifdef _WIN32
inline constexpr std::string_view kBullet = "\xFE ";
#else
inline constexpr std::string_view kBullet = "\xE2\x96\xA0 ";
#endif

struct Piece {
  enum class Kind { Text, Number, Byte };
  Kind kind;
  std::string_view text;
  std::int32_t number;
  int width;
  char byte;
};

inline Piece Text(std::string_view text) { return {Piece::Kind::Text, text, 0, 0, 0}; }
// A decimal number padded with blanks on the left to width; never cut.
inline Piece Number(std::int32_t number, int width = 0) {
  return {Piece::Kind::Number, {}, number, width, 0};
}
inline Piece Byte(char byte) { return {Piece::Kind::Byte, {}, 0, 0, byte}; }

// Sets up the standard-output channel: not opened yet, empty buffer, no error.
void InitStandardOutput();

// Writes the pieces, then CR LF, then flushes and checks for a failed write.
void PrintLine(std::initializer_list<Piece> pieces);
// The same without the line end.
void PrintText(std::initializer_list<Piece> pieces);

// Hands whatever the buffer holds to the system, then checks for a failed
// write. Called just before a program is started, so that a started program
// that writes to the same file or pipe finds every earlier line already there.
void HandOverBeforeStart();

// Replaces the console window title with the whole text.
void SetTitle(const std::string& title);

// Hands what is left in the buffer to the system at the end of the run.
// A failure here is ignored.
void FinalWriteOut();
