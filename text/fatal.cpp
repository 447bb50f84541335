#include "text/fatal.h"

#include <cstring>
#include <utility>

namespace tf {

const char* const FatalIoError::kHeader = "Tillerfold stopped: a file or console operation failed";
const char* const FatalIoError::kSystemHeader = "System Error:";

FatalIoError::FatalIoError(std::string header, std::string message, std::string operation)
    : std::runtime_error(message),
      header_(std::move(header)),
      message_(std::move(message)),
      operation_(std::move(operation)) {}

FatalIoError FatalIoError::past_end(const std::string& operation) {
  return {kHeader, "Attempt to read past end of file", operation};
}

FatalIoError FatalIoError::illegal_character(const std::string& operation) {
  return {kHeader, "Illegal character in numeric input", operation};
}

FatalIoError FatalIoError::not_open_for_write(const std::string& operation) {
  return {kHeader, "File not open for write", operation};
}

FatalIoError FatalIoError::system(int error_number, const std::string& operation) {
  return {kSystemHeader, std::strerror(error_number), operation};
}

FatalIoError FatalIoError::with_message(const std::string& message, const std::string& operation) {
  return {kHeader, message, operation};
}

}  // namespace tf
