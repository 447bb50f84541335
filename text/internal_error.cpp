#include "text/internal_error.h"

#include <cstddef>
#include <string_view>

namespace tf {

namespace {

bool separator(char c) { return c == '/' || c == '\\'; }

// The length of the source tree's own path in front of the names that
// __FILE__ gives, taken from this file's: its name less
// "text/internal_error.cpp" (either separator). 0 when it does not end so.
std::size_t tree_prefix_length() {
  constexpr std::string_view kFile = __FILE__;
  constexpr std::string_view kName = "text/internal_error.cpp";
  if (kFile.size() < kName.size()) return 0;
  const std::size_t at = kFile.size() - kName.size();
  for (std::size_t i = 0; i < kName.size(); ++i) {
    const char c = kFile[at + i];
    if (c != kName[i] && !(separator(c) && separator(kName[i]))) return 0;
  }
  return at;
}

// `file` from the top of the source tree, when it starts with the tree's path.
const char* from_tree(const char* file) {
  constexpr std::string_view kFile = __FILE__;
  const std::size_t prefix = tree_prefix_length();
  const std::string_view name = file;
  if (prefix == 0 || name.size() <= prefix || name.substr(0, prefix) != kFile.substr(0, prefix)) {
    return file;
  }
  return file + prefix;
}

}  // namespace

InternalError::InternalError(const char* condition, const char* file, int line) noexcept
    : condition_(condition), file_(from_tree(file)), line_(line) {}

void broken_check(const char* condition, const char* file, int line) {
  throw InternalError(condition, file, line);
}

}  // namespace tf
