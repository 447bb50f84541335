// The check of a condition that only a fault of the program itself can break
// (tables of unequal length, a column count past its bound): never a
// player's slip or a failed operation. TF_BUG_ASSERT(condition) is always on;
// when the condition is false it throws InternalError with the condition's
// text, the file and the line, and the main program ends the run with the
// internal-error report.
#pragma once

#include <exception>

namespace tf {

class InternalError : public std::exception {
 public:
  // `condition` and `file` are string literals, kept as they are: neither
  // the error nor its report allocates. `file` is shown from the top of the
  // source tree when it lies within it.
  InternalError(const char* condition, const char* file, int line) noexcept;

  const char* what() const noexcept override { return condition_; }
  const char* condition() const noexcept { return condition_; }
  const char* file() const noexcept { return file_; }
  int line() const noexcept { return line_; }

 private:
  const char* condition_;
  const char* file_;
  int line_;
};

// Throws the InternalError of a broken check; called by TF_BUG_ASSERT alone.
[[noreturn]] void broken_check(const char* condition, const char* file, int line);

}  // namespace tf

#define TF_BUG_ASSERT(condition)                       \
  (static_cast<bool>(condition) ? static_cast<void>(0) \
                                : ::tf::broken_check(#condition, __FILE__, __LINE__))
