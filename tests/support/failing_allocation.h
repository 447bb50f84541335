// Allocations that fail on cue. The test programs that link this replace the
// global operator new: while a FailingAllocations lives, every request of at
// least its number of bytes throws std::bad_alloc, as an exhausted memory
// would, and every smaller one is served.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace tf::test {

class FailingAllocations {
 public:
  explicit FailingAllocations(std::size_t from_bytes);
  ~FailingAllocations();
  FailingAllocations(const FailingAllocations&) = delete;
  FailingAllocations& operator=(const FailingAllocations&) = delete;
};

// Runs `body` while every request of `from_bytes` or more fails, and
// requires it to end with the fatal report of exhausted memory in the
// operation `operation` ("Reading a line from the console").
void expect_memory_report(std::size_t from_bytes, const std::function<void()>& body,
                          const std::string& operation);

}  // namespace tf::test
