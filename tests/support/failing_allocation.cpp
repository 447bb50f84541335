#include "support/failing_allocation.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>

#include "text/fatal.h"

namespace {
std::size_t fail_from = 0;  // 0: no request fails
}  // namespace

namespace tf::test {

FailingAllocations::FailingAllocations(std::size_t from_bytes) { fail_from = from_bytes; }

FailingAllocations::~FailingAllocations() { fail_from = 0; }

void expect_memory_report(std::size_t from_bytes, const std::function<void()>& body,
                          const std::string& operation) {
  const FailingAllocations fail(from_bytes);
  try {
    body();
    ADD_FAILURE() << "no failure: " << operation;
  } catch (const FatalIoError& e) {
    EXPECT_EQ(e.header(), "System Error:");
    EXPECT_EQ(e.message(), std::strerror(ENOMEM));
    EXPECT_EQ(e.operation(), operation);
  }
}

}  // namespace tf::test

void* operator new(std::size_t bytes) {
  if (fail_from != 0 && bytes >= fail_from) throw std::bad_alloc();
  if (void* p = std::malloc(bytes != 0 ? bytes : 1)) return p;
  throw std::bad_alloc();
}

void* operator new[](std::size_t bytes) { return operator new(bytes); }

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
