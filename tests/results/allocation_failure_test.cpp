// Memory that runs out inside the read-back ends the run as a failed read of
// Results.csv; it never drops the row that was being read.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "results/readback.h"
#include "support/failing_allocation.h"
#include "support/scripted_game.h"

namespace tf {
namespace {

using test::ScriptedGame;

const std::string kHeader =
    "--          ,--          ,[N_Locs=>]  ,  4\n"
    "--          ,--          ,[LSD(10%)=>],   11.42\n"
    "Line_ID     ,Parent_1    ,Parent_2    ,Yield_Y1    \n";

// Row 2 runs on for 2 MB of blanks.
const std::string kLongRow2 = kHeader + "1\n2" + std::string(2u << 20, ' ') + "\n3\n";

TEST(ReadBackAllocation, LongRowKeepsItsIdWhenMemoryAllowsIt) {
  ScriptedGame g(12);
  g.save_then_enter(kLongRow2);
  read_back(g.con, g.files, g.game.entries.keep, results_readback());
  EXPECT_EQ(g.kept(), (std::vector<std::int32_t>{1, 2, 3}));
}

TEST(ReadBackAllocation, ExhaustedMemoryInsideARowIsAFailedFileRead) {
  ScriptedGame g(12);
  g.save_then_enter(kLongRow2);
  test::expect_memory_report(
      1u << 20, [&] { read_back(g.con, g.files, g.game.entries.keep, results_readback()); },
      "Reading Results.csv on the file channel");
  EXPECT_EQ(g.kept().size(), 12U);
}

}  // namespace
}  // namespace tf
