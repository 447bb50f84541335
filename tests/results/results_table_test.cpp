#include "results/results_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/scripted_game.h"
#include "text/fatal.h"
#include "text/internal_error.h"
#include "text/text_format.h"

namespace tf {
namespace {

using test::ScriptedGame;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start + 1));
    start = end + 1;
  }
  return lines;
}

// Names, locations and LSDs for the first `ncol` value columns.
void add_column(ResultColumns& columns, const char* name, std::int32_t nloc, float lsd) {
  const std::size_t c = static_cast<std::size_t>(columns.ncol++);
  columns.colhead[3 + c] = text_field(name, 12);
  columns.nlocs[c] = nloc;
  columns.lsd[c] = lsd;
}

TEST(Output, ExampleTableAfterAThreeTraitTrial) {
  ScriptedGame g(7);
  EntryTable& entries = g.game.entries;
  for (std::size_t e = 5; e < 7; ++e) entries.plantpar[e] = {1, 9};
  g.keep_only({2, 7});
  ResultColumns& columns = g.game.columns;
  add_column(columns, "Yield_Y1", 4, 11.42F);
  add_column(columns, "Protein_Y1", 4, 1.31F);
  add_column(columns, "Fhb_Y1", 2, 4.07F);
  entries.pheno[1] = {97.25, 13.1, 9.87};
  entries.pheno[6] = {101.4, 12.63, 0.0};
  entries.pheno[3] = {1.0e9, 2.0, 3.0};  // dropped: not looked at

  output(g.con, g.files, entries, columns);
  const std::string expected =
      "--          ,--          ,[N_Locs=>]  ,  4,  4,  2\n"
      "--          ,--          ,[LSD(10%)=>],   11.42,    1.31,    4.07\n"
      "Line_ID     ,Parent_1    ,Parent_2    ,Yield_Y1    ,Protein_Y1  ,Fhb_Y1      \n"
      "     2, 3,12,       97.25,       13.10,        9.87\n"
      "     7, 1, 9,      101.40,       12.63,        0.00\n";
  EXPECT_EQ(g.results(), expected);
  std::vector<std::size_t> sizes;
  for (const std::string& line : lines_of(g.results())) sizes.push_back(line.size());
  EXPECT_EQ(sizes, (std::vector<std::size_t>{51, 66, 78, 52, 52}));
  EXPECT_FALSE(g.files.is_open());
}

TEST(Output, SizesFollowTheColumnsAndRows) {
  struct Case {
    int ncol;
    std::vector<std::int32_t> kept;
    std::vector<std::size_t> header_sizes;
  };
  const std::vector<Case> cases = {
      {1, {}, {43, 48, 52}},
      {1, {1, 4}, {43, 48, 52}},
      {12, {2, 3, 5}, {87, 147, 195}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.ncol << " columns, " << c.kept.size() << " rows");
    ScriptedGame g(5);
    g.keep_only(c.kept);
    for (int i = 0; i < c.ncol; ++i) add_column(g.game.columns, "Yield_Y1", 3, 2.5F);
    output(g.con, g.files, g.game.entries, g.game.columns);
    const std::string file = g.results();
    const std::size_t k = c.kept.size();
    const std::size_t ncol = static_cast<std::size_t>(c.ncol);
    EXPECT_EQ(file.size(), 117 + 26 * ncol + 13 * k * (ncol + 1));
    const std::vector<std::string> lines = lines_of(file);
    ASSERT_EQ(lines.size(), 3 + k);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(lines[i].size(), c.header_sizes[i]);
    for (const std::string& line : lines) {
      EXPECT_EQ(static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')), 2 + ncol);
      EXPECT_EQ(line.back(), '\n');
    }
    for (std::size_t r = 0; r < k; ++r) {
      EXPECT_EQ(lines[3 + r].size(), 13 * (ncol + 1));
      EXPECT_EQ(lines[3 + r].substr(0, 6), int_field(c.kept[r], 6));
    }
  }
}

TEST(Output, PredictionColumnShowsZeroLocationsAndLsd) {
  ScriptedGame g(1);
  add_column(g.game.columns, "Yield_Pred", 0, 0.0F);
  g.game.entries.pheno[0][0] = 96.41;
  output(g.con, g.files, g.game.entries, g.game.columns);
  EXPECT_EQ(g.results(),
            "--          ,--          ,[N_Locs=>]  ,  0\n"
            "--          ,--          ,[LSD(10%)=>],    0.00\n"
            "Line_ID     ,Parent_1    ,Parent_2    ,Yield_Pred  \n"
            "     1, 3,12,       96.41\n");
}

TEST(Output, ValuesAtTheirLimitsAndRowsInEntryOrder) {
  ScriptedGame g(4);
  EntryTable& entries = g.game.entries;
  for (int i = 0; i < 4; ++i) add_column(g.game.columns, "Yield_Y1", 1, 0.0F);
  entries.keep = {1, 2, 1, 1};  // only 1 means kept
  entries.plantpar[3] = {-10, 100};
  entries.pheno[0] = {-0.004, 5.0, -3.7, -0.005};
  entries.pheno[2] = {0.125, 123456789.0, -123456789.0, 1.0e12};
  entries.pheno[3] = {0.0, 0.0, 0.0, 0.0};
  entries.id[3] = 1000000;
  output(g.con, g.files, entries, g.game.columns);
  const std::vector<std::string> lines = lines_of(g.results());
  ASSERT_EQ(lines.size(), 6U);
  EXPECT_EQ(lines[3], "     1, 3,12,        0.00,        5.00,       -3.70,       -0.01\n");
  EXPECT_EQ(lines[4], "     3, 3,12,        0.13,123456789.00,************,************\n");
  EXPECT_EQ(lines[5], "******,**,**,        0.00,        0.00,        0.00,        0.00\n");
}

TEST(Output, ShorterTableLeavesNothingOfTheOldFile) {
  ScriptedGame g(2);
  g.set_results(std::string(20000, 'x') + "\n5,3,12\n");
  add_column(g.game.columns, "Fhb_Y1", 2, 1.0F);
  g.keep_only({2});
  output(g.con, g.files, g.game.entries, g.game.columns);
  EXPECT_EQ(g.results(),
            "--          ,--          ,[N_Locs=>]  ,  2\n"
            "--          ,--          ,[LSD(10%)=>],    1.00\n"
            "Line_ID     ,Parent_1    ,Parent_2    ,Fhb_Y1      \n"
            "     2, 3,12,        0.00\n");
}

TEST(Output, ColumnCountOutsideTheTableIsRefusedBeforeAnythingIsWritten) {
  for (const std::int32_t ncol : {-1, MAXCOL + 1}) {
    SCOPED_TRACE(ncol);
    ScriptedGame g(1);
    g.set_results("as saved\n");
    g.game.columns.ncol = ncol;
    EXPECT_THROW(output(g.con, g.files, g.game.entries, g.game.columns), InternalError);
    EXPECT_EQ(g.results(), "as saved\n");
  }
}

const std::string kCloseIt =
    "  Make sure the RESULTS.CSV file is closed\n"
    "  Press <Enter> to continue\n";

// A spreadsheet that holds the file (or a read-only file) refuses the open
// for writing: the player is asked to close it, as often as it takes.
TEST(Output, FileHeldByAnotherProgramIsWrittenOnceClosed) {
  for (const int refusals : {1, 2}) {
    SCOPED_TRACE(refusals);
    ScriptedGame g(1);
    g.set_results("held\n");
    g.files.fail_opens("wb", 0, refusals, EACCES);
    for (int i = 0; i < refusals; ++i) {
      g.enter([&g] { EXPECT_EQ(g.results(), "held\n"); });
    }
    add_column(g.game.columns, "Fhb_Y1", 2, 1.0F);
    output(g.con, g.files, g.game.entries, g.game.columns);
    std::string asked;
    for (int i = 0; i < refusals; ++i) asked += kCloseIt;
    EXPECT_EQ(g.out.str(), asked);
    EXPECT_EQ(g.input.taken(), static_cast<std::size_t>(refusals));
    EXPECT_EQ(lines_of(g.results()).size(), 4U);
  }
}

TEST(Output, ConsoleInputEndingWhileTheFileIsHeldIsFatal) {
  ScriptedGame g(1);
  g.set_results("held\n");
  g.files.fail_opens("wb", 0, 1, EACCES);
  EXPECT_THROW(output(g.con, g.files, g.game.entries, g.game.columns), FatalIoError);
  EXPECT_EQ(g.out.str(), kCloseIt);
  EXPECT_EQ(g.results(), "held\n");
}

// A refusal for a file that is not there is no file to close: fatal.
TEST(Output, RefusedOpenOfAMissingFileIsFatal) {
  ScriptedGame g(1);
  g.files.fail_opens("wb", 0, 1, EACCES);
  try {
    output(g.con, g.files, g.game.entries, g.game.columns);
    FAIL() << "no fatal report";
  } catch (const FatalIoError& e) {
    EXPECT_EQ(e.message(), std::strerror(EACCES));
    EXPECT_EQ(e.operation(), "Opening Results.csv on the file channel");
  }
  EXPECT_EQ(g.out.str(), "");
}

}  // namespace
}  // namespace tf
