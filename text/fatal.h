// The one failure that ends a run: a read, open, write or close with no retry.
// Thrown where it happens, caught once by the main program, which prints the
// three-line report on standard error and ends the run with status 255.
#pragma once

#include <stdexcept>
#include <string>

namespace tf {

class FatalIoError : public std::runtime_error {
 public:
  // `header`: first report line; `message`: second; `operation`: third
  // (the failed operation and its channel). Each is printed after "? ".
  FatalIoError(std::string header, std::string message, std::string operation);

  // The fixed header line of every failure that the system itself detects.
  static const char* const kHeader;
  // The header of a failure reported by the operating system.
  static const char* const kSystemHeader;

  // A read that needs a line where the source has none left.
  static FatalIoError past_end(const std::string& operation);
  // A value that is not a number of its item's kind.
  static FatalIoError illegal_character(const std::string& operation);
  // A write to a file that could only be opened for reading.
  static FatalIoError not_open_for_write(const std::string& operation);
  // An error reported by the operating system, with its own text.
  static FatalIoError system(int error_number, const std::string& operation);
  // A failure detected by the system with a message of its own.
  static FatalIoError with_message(const std::string& message, const std::string& operation);

  const std::string& header() const { return header_; }
  const std::string& message() const { return message_; }
  const std::string& operation() const { return operation_; }

 private:
  std::string header_;
  std::string message_;
  std::string operation_;
};

}  // namespace tf
