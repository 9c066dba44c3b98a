// The INI reader: values, the section and line listing, and the properties a
// reader of profile files must keep whatever the file holds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/ini_reader.h"

namespace {

// The 44 values of the chain and a listing of the sections (with the lines
// of the first few when withLines), as one text.
std::string Everything(const std::string& file, bool withLines = false) {
  PreparedProfile profile = PrepareProfile(file);
  std::string out;
  for (int slot = 1; slot <= 11; ++slot) {
    std::string section = "File" + std::to_string(slot);
    for (const char* key : {"Name", "CmdS", "Size", "Time"}) {
      std::string value = ProfileValue(profile, section, key);
      Require(value.size() <= kMaxProfileValue, "a value holds at most 2047 bytes", value);
      Require(value.find_first_of("\r\n") == std::string::npos, "a value holds no line end",
              value);
      out += value + '\0';
    }
  }
  Require(ProfileValue(file, "File1", "Name") == ProfileValue(profile, "File1", "Name"),
          "the prepared text gives the values of the file's bytes");
  // Every name, and the lines of the first few: the lines of each of a
  // thousand sections would make every run slow and find nothing more.
  int listed = 0;
  for (const std::string& name : ProfileSectionNames(profile)) {
    out += "[" + name + "]";
    if (!withLines || ++listed > 16) continue;
    for (const ProfileLine& line : ProfileSectionLines(profile, name)) {
      out += line.key + (line.hasEquals ? "=" + line.value : "") + '\0';
    }
  }
  return out;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// The UTF-16LE form of a valid UTF-8 text, with its byte-order mark; false
// when the text is not valid UTF-8 (overlong forms and surrogates included).
bool Utf16LeOf(const std::string& utf8, std::string& utf16) {
  utf16 = "\xFF\xFE";
  for (std::size_t i = 0; i < utf8.size();) {
    auto byte = static_cast<unsigned char>(utf8[i]);
    std::uint32_t code;
    int length;
    if (byte < 0x80) code = byte, length = 1;
    else if (byte >= 0xC2 && byte < 0xE0) code = byte & 0x1F, length = 2;
    else if (byte >= 0xE0 && byte < 0xF0) code = byte & 0x0F, length = 3;
    else if (byte >= 0xF0 && byte < 0xF5) code = byte & 0x07, length = 4;
    else return false;
    if (i + length > utf8.size()) return false;
    for (int k = 1; k < length; ++k) {
      auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = code << 6 | (next & 0x3F);
    }
    if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    auto unit = [&](std::uint32_t u) {
      utf16 += static_cast<char>(u & 0xFF);
      utf16 += static_cast<char>(u >> 8);
    };
    if (code >= 0x10000) {
      unit(0xD800 + ((code - 0x10000) >> 10));
      unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      unit(code);
    }
    i += length;
  }
  return true;
}

std::string Replaced(const std::string& text, const std::string& from, const std::string& to) {
  std::string out;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(from, start)) != std::string::npos; start = at + from.size()) {
    out.append(text, start, at - start);
    out += to;
  }
  return out.append(text, start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string file(reinterpret_cast<const char*>(data), size);
  std::string values = Everything(file, true);
  // The rest holds for files read byte for byte, without a byte-order mark.
  if (StartsWith(file, "\xFF\xFE") || StartsWith(file, "\xFE\xFF") ||
      StartsWith(file, "\xEF\xBB\xBF")) {
    return 0;
  }
  values = Everything(file);
  // One of the three properties per input, so that runs stay quick; the
  // fuzzer varies the length, and with it the property, all the time.
  std::string utf16;
  switch (size % 3) {
    case 0:
      Require(Everything("\xEF\xBB\xBF" + file) == values, "a UTF-8 byte-order mark changes nothing");
      break;
    case 1: {
      std::string lf = Replaced(file, "\r\n", "\n");
      if (StartsWith(lf, "\xFF\xFE") || StartsWith(lf, "\xFE\xFF") || StartsWith(lf, "\xEF\xBB\xBF")) break;
      Require(Everything(lf) == Everything(Replaced(lf, "\n", "\r\n")),
              "CR LF and LF line ends give the same values");
      break;
    }
    default:
      if (Utf16LeOf(file, utf16)) {
        Require(Everything(utf16) == values, "a UTF-16LE file gives the values of its UTF-8 text");
      }
      break;
  }
  return 0;
}
