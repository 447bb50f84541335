// Memory that runs out inside a console read is reported as a failure of
// that read, never taken for the end of the input.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <sstream>
#include <string>

#include "game/main_program.h"
#include "support/dialogue.h"
#include "support/failing_allocation.h"
#include "text/console.h"
#include "text/file_channel.h"

namespace tf {
namespace {

using test::FailingAllocations;

// A line of 2 MB, of blanks (passed over by a read of values), then 3.
const std::string kLongLineThen3 = std::string(2u << 20, ' ') + "\n3\n";

TEST(ConsoleAllocation, LongLineIsReadWhenMemoryAllowsIt) {
  std::istringstream in(kLongLineThen3);
  std::ostringstream out;
  Console con(in, out);
  std::int32_t answer = 0;
  EXPECT_EQ(con.answer_prompt("  Task : ", answer), Answer::kValue);
  EXPECT_EQ(answer, 3);
}

TEST(ConsoleAllocation, ExhaustedMemoryInsideALineIsAFailedConsoleRead) {
  for (const bool enter_wait : {false, true}) {
    SCOPED_TRACE(enter_wait ? "Enter wait" : "answer prompt");
    std::istringstream in(kLongLineThen3);
    std::ostringstream out;
    Console con(in, out);
    std::int32_t answer = 0;
    test::expect_memory_report(
        1u << 20,
        [&] {
          if (enter_wait) {
            con.enter_wait();
          } else {
            con.answer_prompt("  Task : ", answer);
          }
        },
        "Reading a line from the console");
  }
}

// A write to the file channel that cannot be gathered is a failed write of
// that file.
TEST(FileAllocation, ExhaustedMemoryInsideAWriteIsAFailedFileWrite) {
  test::TempDir dir;
  FileChannel files(dir.path());
  ASSERT_TRUE(files.try_open_write("Results.csv"));
  const std::string row(2u << 20, '9');
  test::expect_memory_report(
      1u << 20, [&] { files.write(row); }, "Writing Results.csv on the file channel");
}

// The whole run: the banner, the wait for Crosses.csv, whose line cannot be
// held, and the report of exhausted memory.
TEST(ConsoleAllocation, ExhaustedMemoryAtAWaitEndsTheRunWithItsReport) {
  test::TempDir dir;
  std::istringstream in(kLongLineThen3);
  std::ostringstream out;
  std::ostringstream err;
  int status = 0;
  {
    const FailingAllocations fail(1u << 20);
    status = run_game({in, out, err, dir.path(), -1});
  }
  EXPECT_EQ(status, 255);
  EXPECT_EQ(err.str(),
            "? System Error:\n"
            "? Cannot allocate memory\n"
            "? Reading a line from the console\n");
  EXPECT_NE(out.str().find("  The CROSSES.CSV file cannot be found\n"), std::string::npos);
}

}  // namespace
}  // namespace tf
