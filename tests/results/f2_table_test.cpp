#include "results/f2_table.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scripted_game.h"

namespace tf {
namespace {

using test::ScriptedGame;

const std::string kHeaderRow =
    "Plant_ID    ,Parent_1    ,Parent_2    ,Yield_Pred  ,Protein_Pred,Fhb_Pred    \n";
const std::string kExample = kHeaderRow +
                             "     1, 3,12,       96.41,       12.87,       10.35\n"
                             "     2, 3,12,       93.08,       13.52,       12.90\n"
                             "     5, 3,12,      101.77,       12.06,       -0.42\n";

// Nine F2 plants of the cross of parents 3 and 12; plants 1, 2 and 5 kept
// with the predictions of the example table.
class F2TableTest : public ::testing::Test {
 protected:
  F2TableTest() {
    EntryTable& entries = g.game.entries;
    for (std::size_t e = 0; e < 9; ++e) {
      entries.pred_f2[e] = {90.0 + static_cast<double>(e), 13.0, 11.0};
    }
    entries.pred_f2[0] = {96.41, 12.87, 10.35};
    entries.pred_f2[1] = {93.08, 13.52, 12.9};
    entries.pred_f2[4] = {101.77, 12.06, -0.42};
    g.keep_only({1, 2, 5});
  }
  ScriptedGame g{9};
};

TEST_F(F2TableTest, ExampleTableBytes) {
  write_f2_table(g.files, g.game.entries);
  EXPECT_EQ(g.results(), kExample);
  EXPECT_EQ(g.results().size(), 78U + 52U * 3U);
  EXPECT_FALSE(g.files.is_open());
}

TEST_F(F2TableTest, NegativeAndRoundedToZeroPredictions) {
  g.keep_only({7});
  g.game.entries.pred_f2[6] = {-0.004, -12.5, 0.005};
  g.game.entries.plantpar[6] = {1, 15};
  write_f2_table(g.files, g.game.entries);
  EXPECT_EQ(g.results(), kHeaderRow + "     7, 1,15,        0.00,      -12.50,        0.01\n");
}

TEST_F(F2TableTest, NoKeptPlantGivesTheHeaderRowAlone) {
  g.set_results(std::string(5000, '9'));
  g.keep_only({});
  write_f2_table(g.files, g.game.entries);
  EXPECT_EQ(g.results(), kHeaderRow);
  EXPECT_EQ(kHeaderRow.size(), 78U);
}

}  // namespace
}  // namespace tf
