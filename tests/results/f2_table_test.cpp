#include "results/f2_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "results/selection_round.h"
#include "support/scripted_game.h"

namespace tf {
namespace {

using test::kStepA;
using test::ScriptedGame;

const std::string kHeaderRow =
    "Plant_ID    ,Parent_1    ,Parent_2    ,Yield_Pred  ,Protein_Pred,Fhb_Pred    \n";
const std::string kExample = kHeaderRow +
                             "     1, 3,12,       96.41,       12.87,       10.35\n"
                             "     2, 3,12,       93.08,       13.52,       12.90\n"
                             "     5, 3,12,      101.77,       12.06,       -0.42\n";

const std::string kReport =
    "   \n  ---------------\n   \n  Genomewide predictions done\n   \n"
    "  - Open the RESULTS.CSV file in Excel\n"
    "  - Do NOT change or delete the header row\n"
    "  - Delete the rows for the entries you do not wish to keep\n";

const std::string kChanged =
    "   \n"
    "  Header row has been changed; make sure the\n"
    "  first column in the header row says \"Plant_ID\"\n"
    "   \n";

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
  write_f2_table(g.con, g.files, g.game.entries);
  EXPECT_EQ(g.results(), kExample);
  EXPECT_EQ(g.results().size(), 78U + 52U * 3U);
  EXPECT_FALSE(g.files.is_open());
}

TEST_F(F2TableTest, NegativeAndRoundedToZeroPredictions) {
  g.keep_only({7});
  g.game.entries.pred_f2[6] = {-0.004, -12.5, 0.005};
  g.game.entries.plantpar[6] = {1, 15};
  write_f2_table(g.con, g.files, g.game.entries);
  EXPECT_EQ(g.results(), kHeaderRow + "     7, 1,15,        0.00,      -12.50,        0.01\n");
}

TEST_F(F2TableTest, NoKeptPlantGivesTheHeaderRowAlone) {
  g.set_results(std::string(5000, '9'));
  g.keep_only({});
  write_f2_table(g.con, g.files, g.game.entries);
  EXPECT_EQ(g.results(), kHeaderRow);
  EXPECT_EQ(kHeaderRow.size(), 78U);
}

TEST(F2ReadBack, EditedFilesGiveTheKeepSetAndTheDialogue) {
  struct Case {
    const char* name;
    std::vector<std::string> saves;  // one per <Enter>
    std::vector<std::int32_t> kept;
    std::string after_report;
  };
  const std::string bom = "\xEF\xBB\xBF";
  const std::string good = kHeaderRow + "1\n9\n";
  const std::vector<Case> cases = {
      {"plants 2 and 5 deleted, 9 added",
       {kHeaderRow + "     1, 3,12,       96.41,       12.87,       10.35\n9\n"},
       {1, 9},
       kStepA},
      {"every row deleted", {kHeaderRow}, {}, kStepA},
      {"spreadsheet style with quotes and CRLF",
       {"\"Plant_ID\",\"Parent_1\",\"Parent_2\",\"Yield_Pred\",\"Protein_Pred\",\"Fhb_Pred\"\r\n"
        "1,3,12,96.41,12.87,10.35\r\n5,3,12,101.77,12.06,-0.42\r\n,,,,,\r\n"},
       {1, 5},
       kStepA},
      {"Plant_ID with more after it, the other cells deleted", {"Plant_IDs\n2\n"}, {2}, kStepA},
      {"a byte-order mark, twice",
       {bom + kExample, bom + kExample, good},
       {1, 9},
       kStepA + kChanged + kStepA + kChanged + kStepA},
      {"plant_id in lower case, then corrected",
       {"plant_id,x\n1\n", good},
       {1, 9},
       kStepA + kChanged + kStepA},
      {"a row above the header row", {"4\n" + kExample, good}, {1, 9}, kStepA + kChanged + kStepA},
      {"an empty file", {"", good}, {1, 9}, kStepA + kChanged + kStepA},
      {"an empty first field in the header row",
       {",Parent_1\n1\n", good},
       {1, 9},
       kStepA + kChanged + kStepA},
      {"empty lines after the last row", {kExample + "\n\n"}, {1, 2, 5}, kStepA},
      {"IDs outside 1..NPLANT", {kHeaderRow + "0\n10\n-3\n2\n"}, {2}, kStepA},
      {"a word in the first field",
       {kHeaderRow + "1\n\nPlant_ID,x\n", good},
       {1, 9},
       kStepA + "  Row 4 of the CSV file does not begin with a Plant_ID number\n" + kStepA},
      {"the header cell quoted over one line end",
       {"\"Plant_ID\n\",Parent_1,Parent_2\n5\n2\n"},
       {2, 5},
       kStepA},
      {"the header cell quoted over several line ends, a decimal number after them",
       {"\"Plant_\r\n\nID  \n\",Parent_1\n1\n2.5\n", good},
       {1, 9},
       kStepA + "  Row 6 of the CSV file does not begin with a Plant_ID number\n" + kStepA},
      {"an unclosed quote above the header row",
       {"\"junk\n" + kExample, good},
       {1, 9},
       kStepA + kChanged + kStepA},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedGame g(9);
    g.keep_only({1, 2, 5});
    for (const std::string& save : c.saves) g.save_then_enter(save);
    select_from_f2_table(g.con, g.files, g.game.entries, "  Genomewide predictions done");
    EXPECT_EQ(g.kept(), c.kept);
    EXPECT_EQ(g.out.str(), kReport + c.after_report);
    EXPECT_EQ(g.input.taken(), c.saves.size());
  }
}

TEST(F2ReadBack, MissingFileIsAFailedOpen) {
  ScriptedGame g(3);
  const std::filesystem::path path = g.results_path();
  g.enter([path] { std::filesystem::remove(path); });
  g.save_then_enter(kHeaderRow + "3\n");
  select_from_f2_table(g.con, g.files, g.game.entries, "  Genomewide predictions done");
  EXPECT_EQ(g.out.str(), kReport + kStepA + kStepA);
  EXPECT_EQ(g.kept(), std::vector<std::int32_t>{3});
}

}  // namespace
}  // namespace tf
