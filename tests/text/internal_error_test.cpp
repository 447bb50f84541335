#include "text/internal_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tf {
namespace {

// `file` with forward slashes, whichever separator the compiler gave.
std::string with_slashes(const char* file) {
  std::string name = file;
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

TEST(BugAssert, ConditionThatHoldsIsEvaluatedOnceAndPassesOn) {
  int evaluations = 0;
  TF_BUG_ASSERT(++evaluations == 1);
  EXPECT_EQ(evaluations, 1);
}

TEST(BugAssert, BrokenConditionThrowsItsTextFileAndLine) {
  const int columns = 13;
  const int line = __LINE__ + 2;
  try {
    TF_BUG_ASSERT(columns <= 12);
    ADD_FAILURE() << "no internal error";
  } catch (const InternalError& e) {
    EXPECT_STREQ(e.condition(), "columns <= 12");
    EXPECT_STREQ(e.what(), "columns <= 12");
    EXPECT_EQ(with_slashes(e.file()), "tests/text/internal_error_test.cpp");
    EXPECT_EQ(e.line(), line);
  }
}

// A name from outside the source tree is shown whole.
TEST(BugAssert, FileOutsideTheTreeKeepsItsWholeName) {
  EXPECT_STREQ(InternalError("x", "/elsewhere/a.cpp", 3).file(), "/elsewhere/a.cpp");
  EXPECT_STREQ(InternalError("x", "a.cpp", 3).file(), "a.cpp");
}

}  // namespace
}  // namespace tf
