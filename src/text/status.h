// Status: the outcome of an operation that may be refused or may fail in an
// expected way (a full register, a file locked through every retry, a bad
// record). The message is the Polish text the user is shown, code page 1250.
#pragma once

#include <string>
#include <utility>

namespace zefir {

class [[nodiscard]] Status {
 public:
  Status() = default;
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const std::string& message() const { return message_; }

 private:
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}
  bool failed_ = false;
  std::string message_;
};

}  // namespace zefir
