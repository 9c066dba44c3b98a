// The error kinds that can end a run. Only two conditions are ever raised:
// a failed write to standard output and exhausted memory.
#pragma once

#include <cstdint>
#include <string>

class Exception {
 public:
  Exception(std::string kind, std::string message, std::uint32_t location)
      : kind_(std::move(kind)), message_(std::move(message)), location_(location) {}
  virtual ~Exception() = default;

  const std::string& Kind() const { return kind_; }
  const std::string& Message() const { return message_; }
  // Low 32 bits of the code address at which the error was raised.
  std::uint32_t Location() const { return location_; }

 private:
  std::string kind_;
  std::string message_;
  std::uint32_t location_;
};

class EInOutError : public Exception {
 public:
  EInOutError(std::int32_t code, std::uint32_t location);
  std::int32_t Code() const { return code_; }

 private:
  std::int32_t code_;
};

class EOutOfMemory : public Exception {
 public:
  explicit EOutOfMemory(std::uint32_t location)
      : Exception("EOutOfMemory", "Out of memory", location) {}
};

// The message of a failed write with the given error code.
std::string InOutErrorMessage(std::int32_t code);
