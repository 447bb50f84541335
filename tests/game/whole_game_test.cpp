// Whole games played on the built program with the shipped genome files and
// the clock frozen, as a player would play them (Results.csv left unedited;
// the edited read-backs are tested in-process).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/dialogue.h"

namespace tf {
namespace {

using test::run_built_program;
using test::RunResult;
constexpr auto count = test::count_of;
using test::TempDir;

RunResult play(const std::string& crosses, const std::string& input, TempDir& dir) {
  dir.add_genome_files();
  dir.write("Crosses.csv", crosses);
  return run_built_program(dir, input);
}

const std::string kEnding = "   \n   \n  Press <Enter> to EXIT\n   \n";
const std::string kTerminated = "   \n          --->>> Program terminated\n" + kEnding;
const std::string kMenuHeading = "  Enter the number corresponding to the next task:\n";
const std::string kTrialLines1 =
    "     4  Phenotype lines for yield and protein [Year 1]\n"
    "     5  Phenotype lines for Fhb resistance [Year 1]\n"
    "     6  Phenotype lines for all three traits [Year 1]\n";
const std::string kYieldPrompt =
    "  Number of trial locations for yield and protein [maximum of 12" + std::string(60, ' ') +
    "]: ";
const std::string kFhbPrompt = "  Number of trial locations for Fhb [maximum of 4]: ";

TEST(WholeGame, ThroughTaskThreeToTheNextMenu) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  const auto run = play("1,2,30\n4,10,20\n", "\n3\n", dir);
  EXPECT_EQ(run.status, 255);  // the input ends at the next menu
  EXPECT_NE(run.out.find("    Cross   1: Line  1 x Line  2\n    Cross   2: Line  4 x Line 10\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("          --->>> Remaining balance: $      249950.\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("          --->>> Remaining balance: $      249200.\n"),
            std::string::npos);
  const std::size_t lines = run.out.find("  Developing homozygous lines\n  Please wait ...\n");
  ASSERT_NE(lines, std::string::npos);
  const std::string next_menu = run.out.substr(lines);
  EXPECT_NE(next_menu.find(kMenuHeading +
                           "   \n"
                           "     1  Select for plants homozygous for the Fhb resistance gene\n"
                           "     2  Obtain genomewide predictions for each trait\n" +
                           kTrialLines1 + "   \n  Task : "),
            std::string::npos);
  EXPECT_EQ(dir.read("Results.csv"), "   \n");
}

TEST(WholeGame, ReleaseOfAGameWithoutEntries) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  // No crosses: task 3 and a trial of no lines cost nothing, then the release.
  const auto run = play("", "\n3\n4\n1\n\n99\nexit\n", dir);
  EXPECT_EQ(run.status, 0);
  const std::string tail = "  Task :   There is no line to release\n" + kEnding;
  ASSERT_GE(run.out.size(), tail.size());
  EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
  EXPECT_EQ(dir.read("Results.csv"),
            "--          ,--          ,[N_Locs=>]  ,  1,  1\n"
            "--          ,--          ,[LSD(10%)=>],    0.00,    0.00\n"
            "Line_ID     ,Parent_1    ,Parent_2    ,Yield_Y1    ,Protein_Y1  \n");
}

TEST(WholeGame, EveryTaskOnce) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  const std::string input =
      "\n"
      "1\n"                            // screening in the F2 stage
      "2\n\n"                          // F2 predictions, read back unedited
      "3\n"                            // inbred lines
      "2\n\n"                          // line predictions
      "4\n2\n\n"                       // yield and protein, year 1
      "5\n2\n\n"                       // Fhb, year 2
      "6\n2\n1\n\n"                    // all three, year 3
      "99\n0\n-5\n100000\nseven\n3\n"  // invalid IDs first
      "exit\n";
  const auto run = play("1,2,200\n4,10,200\n3,5,100\n", input, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(count(run.out, "  Screening for Fhb major QTL ...\n"), 1);
  EXPECT_EQ(count(run.out, "  Genomewide predictions done\n"), 2);
  EXPECT_EQ(count(run.out, "  - Do NOT change or delete the header row\n"), 1);
  EXPECT_EQ(count(run.out, "  - Do NOT change or delete the 3 header rows\n"), 4);
  for (const char* year : {"1", "2", "3"}) {
    EXPECT_EQ(count(run.out, std::string("  Phenotyping done for Year ") + year + "\n"), 1);
  }
  EXPECT_EQ(count(run.out, "  Line ID number [from RESULTS.CSV file] of selected line : "), 5);
  EXPECT_NE(run.out.find("  Line ID      3, from Parent  1 x Parent  2\n"), std::string::npos);
  EXPECT_EQ(count(run.out, "  Try again!\n") + count(run.out, "  CONGRATULATIONS!\n"), 1);
  EXPECT_EQ(run.out.substr(run.out.size() - kEnding.size()), kEnding);

  // The screening's count is the number of rows of every later table.
  const std::string kept_line = "  Number of F2 plants kept = ";
  const std::size_t at = run.out.find(kept_line);
  ASSERT_NE(at, std::string::npos);
  const int kept = std::stoi(run.out.substr(at + kept_line.size(), 6));
  const std::string results = dir.read("Results.csv");
  EXPECT_EQ(count(results, "\n"), 3 + kept);
  EXPECT_NE(results.find("Line_ID     ,Parent_1    ,Parent_2    ,Yield_Pred  ,Protein_Pred,"
                         "Fhb_Pred    ,Yield_Y1    ,Protein_Y1  ,Fhb_Y2      ,Yield_Y3    ,"
                         "Protein_Y3  ,Fhb_Y3      \n"),
            std::string::npos);
  EXPECT_EQ(results.substr(0, results.find('\n') + 1),
            "--          ,--          ,[N_Locs=>]  ,  0,  0,  0,  2,  2,  2,  2,  2,  1\n");
  EXPECT_EQ(results.size(), 117u + 26u * 9u + 13u * static_cast<unsigned>(kept) * 10u);
}

TEST(WholeGame, TaskThreeRefusedAfterTheF2Predictions) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  // 7,200 plants: the F2 predictions cost 144,000 dollars, the lines 108,000.
  const auto run =
      play("1,2,1800\n4,10,1800\n3,5,1800\n6,12,1800\n", "\n2\n\n3\nexit\nnot read\n", dir);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("          --->>> Remaining balance: $      105900.\n"),
            std::string::npos);
  const std::string refusal =
      "   \n"
      "          --->>> Expenses exceed remaining funds\n"
      "                    Balance:  $      105900.\n"
      "                    Expenses: $      108000.\n"
      "   \n" +
      kTerminated;
  ASSERT_GE(run.out.size(), refusal.size());
  EXPECT_EQ(run.out.substr(run.out.size() - refusal.size()), refusal);
  EXPECT_EQ(run.out.find("Developing homozygous lines"), std::string::npos);
  EXPECT_EQ(count(dir.read("Results.csv"), "\n"), 1 + 7200);
}

TEST(WholeGame, TrialPromptsAskAgain) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  const std::string input =
      "\n3\n"
      "5\n0\n5\n2\n\n"     // Fhb in year 1: 0 and 5 asked again
      "4\n13\n12\n\n"      // yield and protein in year 2: 13 asked again
      "6\n3\nx\n5\n2\n\n"  // all three in year 3: only the Fhb prompt again
      "99\n1\nexit\n";
  const auto run = play("1,2,20\n", input, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string s = "   \n";
  EXPECT_NE(run.out.find(kFhbPrompt + s + kFhbPrompt + s + kFhbPrompt + s + s +
                         "          --->>> Remaining balance: $ "),
            std::string::npos);
  EXPECT_NE(run.out.find(kYieldPrompt + s + kYieldPrompt + s + s +
                         "          --->>> Remaining balance: $ "),
            std::string::npos);
  // 3 stands; x is asked again at once, 5 after a spacer line.
  EXPECT_NE(run.out.find(kYieldPrompt + s + kFhbPrompt + kFhbPrompt + s + kFhbPrompt + s + s +
                         "          --->>> Remaining balance: $ "),
            std::string::npos);
  // Columns follow the trials: Fhb in year 1, yield and protein in year 2.
  EXPECT_NE(dir.read("Results.csv")
                .find("Line_ID     ,Parent_1    ,Parent_2    ,Fhb_Y1      ,Yield_Y2    ,"
                      "Protein_Y2  ,Yield_Y3    ,Protein_Y3  ,Fhb_Y3      \n"),
            std::string::npos);
}

TEST(WholeGame, RefusedTrialAsksForFewerLocationsThenEndsAtTheSmallest) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  // 6,000 lines leave 159,925 dollars: 12 locations cost 3,024,000 and one
  // location 252,000, so no count can pass.
  const auto run = play("1,2,2000\n4,10,2000\n3,5,2000\n", "\n3\n4\n12\n1\nexit\nnot read\n", dir);
  EXPECT_EQ(run.status, 0);
  const std::string s = "   \n";
  const std::string expected =
      kYieldPrompt + s + s + "          --->>> Expenses exceed remaining funds\n" +
      "                    Balance:  $    159925.00\n" +
      "                    Expenses: $   3024000.00\n" + s + s +
      "                 Reduce the number of locations\n" + s + kYieldPrompt + s + s +
      "          --->>> Expenses exceed remaining funds\n" +
      "                    Balance:  $    159925.00\n" +
      "                    Expenses: $    252000.00\n" + s + kTerminated;
  ASSERT_GE(run.out.size(), expected.size());
  EXPECT_EQ(run.out.substr(run.out.size() - expected.size()), expected);
  EXPECT_EQ(dir.read("Results.csv"), "   \n");
}

// Results.csv held by another program when a table is due (read-only here,
// as a user whom the permissions bind): the task is charged and drawn once,
// the player is asked to close the file, and the table is written when it is.
TEST(WholeGame, ResultsHeldOpenAtTheF2TableAndAtATrial) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  namespace fs = std::filesystem;
  TempDir dir;
  dir.add_genome_files();
  dir.write("Crosses.csv", "1,2,5\n");
  fs::permissions(dir.path(), fs::perms::all);
  const fs::path results = dir.path() / "Results.csv";
  const auto hold = [results] { fs::permissions(results, fs::perms::owner_read); };
  const auto release = [results] { fs::permissions(results, fs::perms::all); };
  const std::string held = "RESULTS.CSV file is closed";
  const std::string step_a = "then return to this window";
  const auto run =
      test::run_built_program_steps(dir,
                                    {
                                        {"CROSSES.CSV file is closed", 1, ""},
                                        {"Task : ", 1, "2", hold},
                                        {held, 1, ""},
                                        {held, 2, "", release},
                                        {step_a, 1, ""},
                                        {"Task : ", 2, "3"},
                                        {"Task : ", 3, "4"},
                                        {"maximum of 12", 1, "1", hold},
                                        {held, 3, "", release},
                                        {step_a, 2, ""},
                                    },
                                    "2026-12-10 10:05:07", test::unprivileged_wrapper());
  EXPECT_EQ(run.status, 255);  // the input ends at the next menu
  EXPECT_EQ(
      count(run.out, "  Make sure the RESULTS.CSV file is closed\n  Press <Enter> to continue\n"),
      3);
  EXPECT_EQ(count(run.out, "--->>> Remaining balance:"), 4);
  const std::size_t f2_charge =
      run.out.find("          --->>> Remaining balance: $      249875.\n");
  const std::size_t trial_charge =
      run.out.find("          --->>> Remaining balance: $    249590.00\n");
  ASSERT_NE(f2_charge, std::string::npos);
  ASSERT_NE(trial_charge, std::string::npos);
  EXPECT_LT(f2_charge, run.out.find(held));
  EXPECT_LT(trial_charge, run.out.rfind(held));
  EXPECT_EQ(count(run.out, "  Genomewide predictions done\n"), 1);
  EXPECT_EQ(count(run.out, "  Phenotyping done for Year 1\n"), 1);
  const std::string table = dir.read("Results.csv");
  EXPECT_NE(table.find("Line_ID     ,Parent_1    ,Parent_2    ,Yield_Y1    ,Protein_Y1  \n"),
            std::string::npos);
  EXPECT_EQ(count(table, "\n"), 3 + 5);
}

}  // namespace
}  // namespace tf
