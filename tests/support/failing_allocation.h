// Allocations that fail on cue. The test programs that link this replace the
// global operator new: while a FailingAllocations lives, every request of at
// least its number of bytes throws std::bad_alloc, as an exhausted memory
// would, and every smaller one is served.
#pragma once

#include <cstddef>

namespace tf::test {

class FailingAllocations {
 public:
  explicit FailingAllocations(std::size_t from_bytes);
  ~FailingAllocations();
  FailingAllocations(const FailingAllocations&) = delete;
  FailingAllocations& operator=(const FailingAllocations&) = delete;
};

}  // namespace tf::test
