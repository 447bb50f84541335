#include "trials/trial.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "genetics/ran2.h"
#include "support/scripted_game.h"
#include "text/text_format.h"
#include "trials/plot_errors.h"

namespace tf {
namespace {

using test::kStepA;
using test::ScriptedGame;

const std::string kYieldProteinPrompt =
    "  Number of trial locations for yield and protein [maximum of 12" + std::string(60, ' ') +
    "]: ";
const std::string kFhbPrompt = "  Number of trial locations for Fhb [maximum of 4]: ";
const std::string kSpacer = "   \n";
const std::string kOpening = "   \n  ---------------\n   \n";

std::string charged(const std::string& balance) {
  return kSpacer + "          --->>> Remaining balance: $ " + balance + "\n" + kSpacer;
}

std::string refused(const std::string& balance, const std::string& expenses) {
  return kSpacer + "          --->>> Expenses exceed remaining funds\n" +
         "                    Balance:  $ " + balance + "\n" + "                    Expenses: $ " +
         expenses + "\n" + kSpacer;
}

const std::string kReduce = kSpacer + "                 Reduce the number of locations\n" + kSpacer;

std::string report(int year) {
  return kOpening + "  Phenotyping done for Year " + std::to_string(year) + "\n" + kSpacer +
         "  - Open the RESULTS.CSV file in Excel\n"
         "  - Do NOT change or delete the 3 header rows\n"
         "  - Delete the rows for the entries you do not wish to keep\n" +
         kStepA;
}

using Trial = TrialOutcome (*)(Console&, FileChannel&, GameState&, EntryTable&, ResultColumns&,
                               const std::array<double, NTRAIT>&);

// A trial on the tables of a scripted game.
TrialOutcome run(Trial trial, ScriptedGame& t) {
  return trial(t.con, t.files, t.game.state, t.game.entries, t.game.columns, t.game.ve);
}

// Five lines, the second dropped, with the plot error variances of the game.
void five_lines(ScriptedGame& t) {
  Game& game = t.game;
  game.state.stage = Stage::kLine;
  game.state.stream.idum = -251;
  game.ve = {241.97669653443972, 0.75, 53.999998658895514};
  for (std::size_t e = 0; e < 5; ++e) {
    game.entries.g_ri[e] = {90.0 + static_cast<double>(e), 12.0, 8.0};
  }
  game.entries.keep[1] = 0;
}

std::vector<std::string> names(const ScriptedGame& t) {
  const ResultColumns& columns = t.game.columns;
  return {columns.colhead.begin() + 3, columns.colhead.begin() + 3 + columns.ncol};
}

std::vector<std::int32_t> nlocs(const ScriptedGame& t) {
  const ResultColumns& columns = t.game.columns;
  return {columns.nlocs.begin(), columns.nlocs.begin() + columns.ncol};
}

// The stream advanced by `draws` uniforms.
RandomStream advanced(RandomStream stream, std::size_t draws) {
  for (std::size_t i = 0; i < draws; ++i) ran2(stream);
  return stream;
}

class TrialTest : public ::testing::Test {
 protected:
  TrialTest() { five_lines(g); }
  ScriptedGame g{5};
};
struct DialogueCase {
  const char* name;
  Trial trial;
  float balance;
  std::vector<const char*> answers;
  std::string dialogue;  // from the first prompt to the account's lines
  std::vector<std::string> names;
  std::vector<std::int32_t> nlocs;
  float balance_after;
};

std::vector<DialogueCase> dialogue_cases() {
  const std::string& yp = kYieldProteinPrompt;
  const std::string& fhb = kFhbPrompt;
  const std::string& s = kSpacer;
  return {
      {"task 5 at 2 locations",
       phenfhb,
       250000.0F,
       {"2"},
       fhb + s + charged("   249960.00"),
       {"Fhb_Y1      "},
       {2},
       249960.0F},
      {"task 4: 13, then 12",
       phenyldprot,
       250000.0F,
       {"13", "12"},
       yp + s + yp + s + charged("   247984.00"),
       {"Yield_Y1    ", "Protein_Y1  "},
       {12, 12},
       247984.0F},
      {"task 4: null first, 0, a letter, -1, then 4 with more on the line",
       phenyldprot,
       250000.0F,
       {",", "0", "x", "-1", "4 5"},
       yp + s + yp + s + yp + yp + s + yp + s + charged("   249328.00"),
       {"Yield_Y1    ", "Protein_Y1  "},
       {4, 4},
       249328.0F},
      {"task 6: Fhb 5 brings back only the Fhb prompt",
       phen3,
       250000.0F,
       {"3", "5", "2"},
       yp + s + fhb + s + fhb + s + charged("   249456.00"),
       {"Yield_Y1    ", "Protein_Y1  ", "Fhb_Y1      "},
       {3, 3, 2},
       249456.0F},
      {"task 6 refused: both prompts again, a null keeps the count",
       phen3,
       1000.0F,
       {"12", "4", "1", ","},
       yp + s + fhb + s + refused("     1000.00", "     2096.00") + kReduce + yp + s + fhb + s +
           charged("      752.00"),
       {"Yield_Y1    ", "Protein_Y1  ", "Fhb_Y1      "},
       {1, 1, 4},
       752.0F},
      {"task 4 refused at 2, then 1",
       phenyldprot,
       200.0F,
       {"2", "1"},
       yp + s + refused("      200.00", "      336.00") + kReduce + yp + s +
           charged("       32.00"),
       {"Yield_Y1    ", "Protein_Y1  "},
       {1, 1},
       32.0F},
  };
}

TEST(Trial, DialoguesOfEachKind) {
  for (const DialogueCase& c : dialogue_cases()) {
    SCOPED_TRACE(c.name);
    ScriptedGame t(5);
    five_lines(t);
    t.game.state.balance = c.balance;
    for (const char* answer : c.answers) t.type(answer);
    t.enter();
    const RandomStream before = t.game.state.stream;

    EXPECT_EQ(run(c.trial, t), TrialOutcome::kDone);
    EXPECT_EQ(t.out.str(), kOpening + c.dialogue + report(1));
    EXPECT_EQ(t.input.taken(), t.input.size());
    EXPECT_EQ(t.game.state.balance, c.balance_after);
    EXPECT_EQ(t.game.state.overflag, 0);
    EXPECT_EQ(t.game.state.nkept, 4);
    EXPECT_EQ(t.game.state.year, 1);
    EXPECT_EQ(names(t), c.names);
    EXPECT_EQ(nlocs(t), c.nlocs);
    // Every entry, kept or dropped, takes two uniforms per location and trait.
    std::size_t draws = 0;
    for (const std::int32_t n : c.nlocs) draws += 2 * 5 * static_cast<std::size_t>(n);
    const RandomStream expected = advanced(before, draws);
    EXPECT_EQ(t.game.state.stream.idum, expected.idum);
    EXPECT_EQ(t.game.state.stream.iy, expected.iy);
    // The table holds the four kept lines; the player left it as written.
    const std::size_t ncol = c.names.size();
    EXPECT_EQ(t.results().size(), 117 + 26 * ncol + 13 * 4 * (ncol + 1));
    EXPECT_EQ(t.kept(), (std::vector<std::int32_t>{1, 3, 4, 5}));
  }
}

TEST(Trial, SmallestCountsRefusedEndTheGame) {
  struct Case {
    const char* name;
    Trial trial;
    float balance;
    std::vector<const char*> answers;
    std::string dialogue;
  };
  const std::string& yp = kYieldProteinPrompt;
  const std::string& fhb = kFhbPrompt;
  const std::string& s = kSpacer;
  const std::vector<Case> cases = {
      {"task 4 at 1", phenyldprot, 100.0F, {"1"}, yp + s + refused("      100.00", "      168.00")},
      {"task 5 at 1", phenfhb, 10.0F, {"1"}, fhb + s + refused("       10.00", "       20.00")},
      {"task 6 at 1 and 2, then 1 and 1",
       phen3,
       100.0F,
       {"1", "2", "1", "1"},
       yp + s + fhb + s + refused("      100.00", "      208.00") + kReduce + yp + s + fhb + s +
           refused("      100.00", "      188.00")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedGame t(5);
    five_lines(t);
    t.game.state.balance = c.balance;
    t.set_results("   \n");
    for (const char* answer : c.answers) t.type(answer);
    const RandomStream before = t.game.state.stream;

    EXPECT_EQ(run(c.trial, t), TrialOutcome::kGameEnds);
    EXPECT_EQ(t.out.str(), kOpening + c.dialogue);
    EXPECT_EQ(t.input.taken(), t.input.size());
    EXPECT_EQ(t.game.state.overflag, 1);
    EXPECT_EQ(t.game.state.balance, c.balance);
    EXPECT_EQ(t.game.columns.ncol, 0);
    EXPECT_EQ(t.game.state.stream.idum, before.idum);
    EXPECT_EQ(t.results(), "   \n");
    EXPECT_EQ(t.kept(), (std::vector<std::int32_t>{1, 3, 4, 5}));
  }
}

TEST_F(TrialTest, PhenotypesOfEveryEntryWithTheFloors) {
  EntryTable& entries = g.game.entries;
  entries.g_ri[0] = {-100.0, -100.0, -100.0};
  entries.g_ri[1] = {95.0, 13.0, 11.0};  // dropped, yet phenotyped
  g.type("2");
  g.type("3");
  g.enter();
  RandomStream copy = g.game.state.stream;

  ASSERT_EQ(run(phen3, g), TrialOutcome::kDone);
  std::array<std::vector<double>, 3> errors;
  std::array<float, 3> lsd{};
  const std::array<std::int32_t, 3> nloc = {2, 2, 3};
  for (std::size_t t = 0; t < 3; ++t) {
    errors[t].resize(5);
    lsd[t] = nong(copy, errors[t], nloc[t], kTraits[t], g.game.ve);
    EXPECT_EQ(g.game.columns.lsd[t], lsd[t]);
    EXPECT_GT(lsd[t], 0.0F);
  }
  EXPECT_EQ(entries.pheno[0][0], -100.0 + errors[0][0]);
  EXPECT_EQ(entries.pheno[0][1], 5.0);
  EXPECT_EQ(entries.pheno[0][2], 0.0);
  for (std::size_t e = 1; e < 5; ++e) {
    for (std::size_t t = 0; t < 3; ++t) {
      EXPECT_EQ(entries.pheno[e][t], entries.g_ri[e][t] + errors[t][e]) << e << " " << t;
    }
  }
}

TEST_F(TrialTest, FloorsAtTheirThresholds) {
  g.game.ve = {0.0, 0.0, 0.0};  // no plot errors: phenotype = genotypic value
  EntryTable& entries = g.game.entries;
  entries.g_ri[0] = {-3.0, 4.999, 0.05};
  entries.g_ri[1] = {0.0, 5.0, 0.04};
  entries.g_ri[2] = {1.0, 5.0000001, 0.0500001};
  entries.g_ri[3] = {2.0, -1.0, -2.0};
  g.type("1");
  g.type("1");
  g.enter();
  ASSERT_EQ(run(phen3, g), TrialOutcome::kDone);
  EXPECT_EQ(entries.pheno[0][0], -3.0);
  EXPECT_EQ(entries.pheno[0][1], 5.0);
  EXPECT_EQ(entries.pheno[0][2], 0.0);  // 0.05 lies below the single-precision 0.05
  EXPECT_EQ(entries.pheno[1][1], 5.0);
  EXPECT_EQ(entries.pheno[1][2], 0.0);
  EXPECT_EQ(entries.pheno[2][1], 5.0000001);
  EXPECT_EQ(entries.pheno[2][2], 0.0500001);
  EXPECT_EQ(entries.pheno[3][1], 5.0);
  EXPECT_EQ(entries.pheno[3][2], 0.0);
  for (int c = 0; c < 3; ++c) EXPECT_EQ(g.game.columns.lsd[static_cast<std::size_t>(c)], 0.0F);
}

TEST_F(TrialTest, ColumnsFollowTheOrderOfTheTrials) {
  g.type("2");
  g.enter();
  ASSERT_EQ(run(phenfhb, g), TrialOutcome::kDone);
  const auto fhb_y1 = g.game.entries.pheno;
  g.game.state.year = 2;  // advanced by the task loop
  g.type("5");
  g.enter();
  ASSERT_EQ(run(phenyldprot, g), TrialOutcome::kDone);
  g.game.state.year = 3;
  g.type("1");
  g.type("4");
  g.enter();
  ASSERT_EQ(run(phen3, g), TrialOutcome::kDone);

  EXPECT_EQ(names(g), (std::vector<std::string>{"Fhb_Y1      ", "Yield_Y2    ", "Protein_Y2  ",
                                                "Yield_Y3    ", "Protein_Y3  ", "Fhb_Y3      "}));
  EXPECT_EQ(nlocs(g), (std::vector<std::int32_t>{2, 5, 5, 1, 1, 4}));
  for (std::size_t e = 0; e < 5; ++e) EXPECT_EQ(g.game.entries.pheno[e][0], fhb_y1[e][0]);
  EXPECT_NE(g.out.str().find("  Phenotyping done for Year 2\n"), std::string::npos);
  EXPECT_NE(g.out.str().find("  Phenotyping done for Year 3\n"), std::string::npos);
  const std::string table = g.results();
  EXPECT_EQ(table.substr(0, 63),
            "--          ,--          ,[N_Locs=>]  ,  2,  5,  5,  1,  1,  4\n");
}

TEST_F(TrialTest, NoKeptEntriesCostNothingAndLeaveHeaderRowsOnly) {
  for (std::int32_t& k : g.game.entries.keep) k = 0;
  g.type("3");
  g.enter();
  ASSERT_EQ(run(phenyldprot, g), TrialOutcome::kDone);
  EXPECT_EQ(g.out.str(),
            kOpening + kYieldProteinPrompt + kSpacer + charged("   250000.00") + report(1));
  EXPECT_EQ(g.game.state.nkept, 0);
  EXPECT_EQ(g.results().size(), 117U + 26U * 2U);
  for (std::size_t e = 0; e < 5; ++e) EXPECT_NE(g.game.entries.pheno[e][0], 0.0);
  EXPECT_EQ(g.kept(), std::vector<std::int32_t>{});
}

TEST_F(TrialTest, ReadBackFollowsTheReport) {
  g.type("1");
  g.enter([this] {
    // The table is on disk when the player opens it.
    const std::string table = g.results();
    EXPECT_EQ(table.substr(0, 13), "--          ,");
    g.set_results(table.substr(0, table.find("     3,")) + "2\n");
  });
  ASSERT_EQ(run(phenfhb, g), TrialOutcome::kDone);
  EXPECT_EQ(g.kept(), (std::vector<std::int32_t>{1, 2}));
}

}  // namespace
}  // namespace tf
