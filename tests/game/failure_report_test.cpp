// The reports that end a run, told apart: a fault of the program itself
// (a broken check, any other exception) is an internal error, reported with
// the check's place; a failed console operation keeps its own report. The
// program's allocations fail from the fault on, so the reports show that
// they allocate nothing.
#include <gtest/gtest.h>

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>

#include "game/main_program.h"
#include "support/dialogue.h"
#include "support/failing_allocation.h"
#include "text/internal_error.h"

namespace tf {
namespace {

using test::FailingAllocations;

// Console input whose first read meets `fault`, with every allocation
// failing from then on.
class FaultyInput : public std::streambuf {
 public:
  using Fault = void (*)(std::optional<FailingAllocations>& failing);
  explicit FaultyInput(Fault fault) : fault_(fault) {}
  void allow_allocations() { failing_.reset(); }

 protected:
  int_type underflow() override {
    fault_(failing_);
    return traits_type::eof();
  }

 private:
  Fault fault_;
  std::optional<FailingAllocations> failing_;
};

// Error output into a fixed buffer: writing to it allocates nothing.
class FixedOutput : public std::streambuf {
 public:
  FixedOutput() { setp(bytes_.data(), bytes_.data() + bytes_.size()); }
  std::string text() const { return std::string(pbase(), pptr()); }

 private:
  std::array<char, 1024> bytes_{};
};

int check_line = 0;  // the line of the check below
void broken_check_at_the_read(std::optional<FailingAllocations>& failing) {
  const int lines_left = 0;
  failing.emplace(1);
  check_line = __LINE__ + 1;
  TF_BUG_ASSERT(lines_left > 0);
}

void other_exception_at_the_read(std::optional<FailingAllocations>& failing) {
  const std::runtime_error error("a stream buffer failed its own way");
  failing.emplace(1);
  throw error;
}

void end_of_input_at_the_read(std::optional<FailingAllocations>&) {}

TEST(FailureReport, FaultsOfTheProgramAreInternalErrorsApartFromTheIoReport) {
  struct Case {
    const char* name;
    FaultyInput::Fault fault;
    std::string (*report)();
  };
  const Case cases[] = {
      {"broken check", broken_check_at_the_read,
       [] {
         return "? Tillerfold stopped: internal error\n"
                "? Check failed: lines_left > 0\n"
                "? At tests/game/failure_report_test.cpp:" +
                std::to_string(check_line) +
                "\n"
                "? This is a fault of the program: please report these lines\n";
       }},
      {"other exception", other_exception_at_the_read,
       [] {
         return std::string(
             "? Tillerfold stopped: internal error\n"
             "? a stream buffer failed its own way\n"
             "? This is a fault of the program: please report these lines\n");
       }},
      {"end of the input", end_of_input_at_the_read,
       [] {
         return std::string(
             "? Tillerfold stopped: a file or console operation failed\n"
             "? Attempt to read past end of file\n"
             "? Reading a line from the console\n");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    FaultyInput input(c.fault);
    std::istream in(&input);
    std::ostringstream out;
    FixedOutput err_bytes;
    std::ostream err(&err_bytes);
    const int status = run_game({in, out, err, dir.path(), -1});
    input.allow_allocations();
    EXPECT_EQ(status, 255);
    EXPECT_EQ(err_bytes.text(), c.report());
    // The fault met the wait for Crosses.csv, the game's first read.
    EXPECT_NE(out.str().find("  Double check, then press <Enter> to continue\n"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace tf
