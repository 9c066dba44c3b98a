#include "console/output.h"

#include <algorithm>
#include <cstring>

#include "console/errors.h"
#include "platform/platform.h"

namespace {

constexpr std::size_t kBufferSize = 128;
// The code of a write to a standard output that is not there at all.
constexpr std::int32_t kNotAvailable = 103;

struct OutputChannel {
  bool open = false;
  bool console = false;
  char buffer[kBufferSize] = {};
  std::size_t count = 0;
  std::int32_t errorCode = 0;
};

OutputChannel channel;

bool TryOpen() {
  if (channel.open) return true;
  platform::OutputKind kind = platform::OpenStandardOutput();
  if (kind == platform::OutputKind::NotAvailable) return false;
  channel.open = true;
  channel.console = kind == platform::OutputKind::CharDevice;
  channel.count = 0;
  return true;
}

// Empties the buffer into one system write. On failure the bytes are lost and
// the error code is kept for the check at the end of the operation.
bool HandOver() {
  std::size_t count = channel.count;
  channel.count = 0;
  std::int32_t code = platform::WriteStandardOutput(channel.buffer, count);
  if (code == 0) return true;
  channel.errorCode = code;
  return false;
}

void AppendBytes(const char* bytes, std::size_t size) {
  while (size > 0) {
    std::size_t take = std::min(size, kBufferSize - channel.count);
    std::memcpy(channel.buffer + channel.count, bytes, take);
    channel.count += take;
    bytes += take;
    size -= take;
    // A failed hand-over drops the rest of this piece.
    if (channel.count == kBufferSize && !HandOver()) return;
  }
}

void AppendByte(char byte) {
  if (channel.count == kBufferSize && !HandOver()) return;
  channel.buffer[channel.count++] = byte;
}

std::string FormatNumber(std::int32_t number, int width) {
  std::string digits = std::to_string(number);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), ' ');
  return digits;
}

void WritePiece(const Piece& piece) {
  if (!TryOpen()) return;
  switch (piece.kind) {
    case Piece::Kind::Text:
      AppendBytes(piece.text.data(), piece.text.size());
      break;
    case Piece::Kind::Number: {
      std::string digits = FormatNumber(piece.number, piece.width);
      AppendBytes(digits.data(), digits.size());
      break;
    }
    case Piece::Kind::Byte:
      AppendByte(piece.byte);
      break;
  }
}

void Flush() {
  if (!channel.open) {
    channel.errorCode = kNotAvailable;
  } else if (channel.console && channel.count > 0) {
    HandOver();
  }
}

// Kept out of line so that the address it records is that of the check.
[[gnu::noinline]] void CheckFailedWrite() {
  if (channel.errorCode == 0) return;
  std::int32_t code = channel.errorCode;
  channel.errorCode = 0;
  auto location = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
  throw EInOutError(code, static_cast<std::uint32_t>(location));
}

void WritePieces(std::initializer_list<Piece> pieces) {
  for (const Piece& piece : pieces) WritePiece(piece);
}

}  // namespace

void InitStandardOutput() { channel = OutputChannel{}; }

void PrintLine(std::initializer_list<Piece> pieces) {
  WritePieces(pieces);
  WritePieces({Byte('\r'), Byte('\n')});
  Flush();
  CheckFailedWrite();
}

void PrintText(std::initializer_list<Piece> pieces) {
  WritePieces(pieces);
  Flush();
  CheckFailedWrite();
}

void HandOverBeforeStart() {
  if (channel.open && channel.count > 0) HandOver();
  CheckFailedWrite();
}

void SetTitle(const std::string& title) { platform::SetWindowTitle(title); }

void FinalWriteOut() {
  if (channel.open && channel.count > 0) HandOver();
  channel.errorCode = 0;
}
