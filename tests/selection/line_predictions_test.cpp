#include "selection/line_predictions.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/scripted_game.h"
#include "text/text_format.h"

namespace tf {
namespace {

using test::kStepA;
using test::ScriptedGame;

const std::string kReport =
    "   \n  ---------------\n   \n  Genomewide predictions done\n   \n"
    "  - Open the RESULTS.CSV file in Excel\n"
    "  - Do NOT change or delete the 3 header rows\n"
    "  - Delete the rows for the entries you do not wish to keep\n";

TEST(Gwsri, ExampleTableBeforeAnyTrial) {
  ScriptedGame g(8);
  EntryTable& entries = g.game.entries;
  for (std::size_t e = 0; e < 8; ++e) entries.pred_ri[e] = {80.0, 14.0, 12.0};
  entries.pred_ri[6] = {97.25, 13.1, 9.87};
  g.keep_only({7});
  std::string written;
  g.enter([&g, &written] { written = g.results(); });

  gwsri(g.con, g.files, g.game.entries, g.game.columns);
  EXPECT_EQ(written,
            "--          ,--          ,[N_Locs=>]  ,  0,  0,  0\n"
            "--          ,--          ,[LSD(10%)=>],    0.00,    0.00,    0.00\n"
            "Line_ID     ,Parent_1    ,Parent_2    ,Yield_Pred  ,Protein_Pred,Fhb_Pred    \n"
            "     7, 3,12,       97.25,       13.10,        9.87\n");
  EXPECT_EQ(g.out.str(), kReport + kStepA);
  EXPECT_EQ(g.game.columns.ncol, 3);
  EXPECT_EQ(g.kept(), std::vector<std::int32_t>{7});
  // Dropped lines get their values too, unchanged.
  for (std::size_t e = 0; e < 8; ++e) {
    for (std::size_t t = 0; t < 3; ++t) EXPECT_EQ(entries.pheno[e][t], entries.pred_ri[e][t]);
  }
}

TEST(Gwsri, AfterNineColumnsFillsColumnsTenToTwelve) {
  ScriptedGame g(3);
  ResultColumns& columns = g.game.columns;
  for (std::size_t c = 0; c < 9; ++c) {
    columns.colhead[3 + c] = text_field("Yield_Y1", 12);
    columns.nlocs[c] = 2;
    columns.lsd[c] = 1.5F;
    for (std::size_t e = 0; e < 3; ++e) g.game.entries.pheno[e][c] = static_cast<double>(c);
  }
  columns.ncol = 9;
  g.game.entries.pred_ri[1] = {-1.0, 2.5, 1.0e-3};
  g.enter();

  gwsri(g.con, g.files, g.game.entries, g.game.columns);
  EXPECT_EQ(columns.ncol, 12);
  EXPECT_EQ(columns.colhead[12], "Yield_Pred  ");
  EXPECT_EQ(columns.colhead[13], "Protein_Pred");
  EXPECT_EQ(columns.colhead[14], "Fhb_Pred    ");
  for (std::size_t c = 9; c < 12; ++c) {
    EXPECT_EQ(columns.nlocs[c], 0);
    EXPECT_EQ(columns.lsd[c], 0.0F);
  }
  EXPECT_EQ(columns.nlocs[8], 2);
  EXPECT_EQ(g.game.entries.pheno[1][8], 8.0);
  EXPECT_EQ(g.game.entries.pheno[1][9], -1.0);
  EXPECT_EQ(g.game.entries.pheno[1][10], 2.5);
  EXPECT_EQ(g.game.entries.pheno[1][11], 1.0e-3);
  EXPECT_EQ(g.results().size(), 117U + 26U * 12U + 13U * 3U * 13U);
}

TEST(Gwsri, NoEntriesStillAddsTheColumns) {
  ScriptedGame g(0);
  g.enter();
  gwsri(g.con, g.files, g.game.entries, g.game.columns);
  EXPECT_EQ(g.game.columns.ncol, 3);
  EXPECT_EQ(g.game.columns.colhead[3], "Yield_Pred  ");
  EXPECT_EQ(g.game.columns.colhead[5], "Fhb_Pred    ");
  EXPECT_EQ(g.results().size(), 117U + 26U * 3U);
  EXPECT_EQ(g.out.str(), kReport + kStepA);
}

}  // namespace
}  // namespace tf
