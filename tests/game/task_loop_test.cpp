// The task loop on game states built by hand: charges, dispatch, state moves.
#include "game/task_loop.h"

#include <gtest/gtest.h>

#include <string>

#include "game/genome_data.h"
#include "genetics/effects.h"
#include "genetics/evaluation.h"
#include "support/scripted_game.h"
#include "text/fatal.h"

namespace tf {
namespace {

// A game of 50 F2 plants: 30 of the cross 1 x 2 (CARRIER 1 and 0), then 20
// of 4 x 5 (both carriers); every plant homozygous for allele 1. `script`
// holds the console lines, each ended by a line feed.
struct SmallGame : test::ScriptedGame {
  explicit SmallGame(const std::string& script) : ScriptedGame(50) {
    for (std::size_t at = 0, end; (end = script.find('\n', at)) != std::string::npos;
         at = end + 1) {
      type(script.substr(at, end - at));
    }
    game.genome.create();
    for (int i = 0; i < NLOCI; ++i) {
      const int code = i < NQTL ? i + 1 : -(i - NQTL + 1);
      game.genome.locmap[static_cast<std::size_t>(i)] = {code, 1 + i / 130, (i % 130) * 15};
    }
    geneffects(game.genome.locmap, game.genome.qtleff);
    game.genome.mrkeff.assign(NCOEF, TraitValues{0.0, 0.0, 0.0});
    for (std::size_t e = 0; e < 50; ++e) {
      game.entries.plantpar[e] =
          e < 30 ? std::array<std::int32_t, 2>{1, 2} : std::array<std::int32_t, 2>{4, 5};
      game.entries.fhbstat_f2[e] = 2;
    }
    game.ve = plot_error_variances();
    game.state.stream.idum = -7;
  }

  // Runs the loop until it ends, or until the script runs out at the menu.
  int run() {
    try {
      return task_loop(game);
    } catch (const FatalIoError&) {
      return -1;
    }
  }
};

const std::string kTerminated =
    "   \n          --->>> Program terminated\n   \n   \n  Press <Enter> to EXIT\n   \n";

TEST(TaskLoop, MarkerScreeningChargesOnlyCrossesThatSegregate) {
  SmallGame g("1\n");
  EXPECT_EQ(g.run(), -1);
  EXPECT_EQ(g.game.state.balance, 250000.0F - 120.0F);
  EXPECT_NE(g.out.str().find("          --->>> Remaining balance: $      249880.\n"),
            std::string::npos);
  EXPECT_EQ(g.game.state.fhbdone, 1);
  EXPECT_EQ(g.game.state.nscreen, 30);
}

TEST(TaskLoop, RefusedChargeEndsTheGameAndChangesNothing) {
  struct Case {
    const char* name;
    const char* task;
    float balance;
  };
  // Task 1 costs 120 dollars, task 2 50 x 20 = 1000, task 3 50 x 15 = 750.
  const Case cases[] = {
      {"task 1", "1\n", 119.0F}, {"task 2", "2\n", 999.0F}, {"task 3", "3\n", 749.0F}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SmallGame g(std::string(c.task) + "exit\nnot read\n");
    g.game.state.balance = c.balance;
    EXPECT_EQ(g.run(), 0);
    const std::string shown = g.out.str();
    ASSERT_GE(shown.size(), kTerminated.size());
    EXPECT_EQ(shown.substr(shown.size() - kTerminated.size()), kTerminated);
    EXPECT_NE(shown.find("          --->>> Expenses exceed remaining funds\n"), std::string::npos);
    const GameState& s = g.game.state;
    EXPECT_EQ(s.balance, c.balance);
    EXPECT_EQ(s.stage, Stage::kF2);
    EXPECT_EQ(s.year, 1);
    EXPECT_EQ(s.fhbdone + s.gwsf2done + s.gwsridone + s.phenodone, 0);
    EXPECT_EQ(g.dir.read("Results.csv"), "");
  }
}

TEST(TaskLoop, InbredLinesAreRescaledDroppedOnesToo) {
  SmallGame g("3\n");
  g.game.entries.keep[4] = 0;
  g.game.entries.keep[40] = 0;
  EXPECT_EQ(g.run(), -1);
  const GameState& s = g.game.state;
  EXPECT_EQ(s.stage, Stage::kLine);
  EXPECT_EQ(s.balance, 250000.0F - 48 * 15.0F);
  // Every plant is homozygous for allele 1, so every line keeps that genotype.
  PlantGeno plant;
  for (auto& chromatid : plant.chromatid) chromatid.fill(1);
  std::vector<TraitValues> expected = {
      genotypic_values(plant, g.game.genome.locmap, g.game.genome.qtleff)};
  rescale(expected);
  for (const std::size_t e : {std::size_t{0}, std::size_t{4}, std::size_t{40}}) {
    EXPECT_EQ(g.game.entries.g_ri[e], expected[0]) << "entry " << e + 1;
    EXPECT_EQ(g.game.entries.fhbstat_ri[e], 2);
  }
  const std::string shown = g.out.str();
  EXPECT_NE(shown.find("  Developing homozygous lines\n  Please wait ...\n"), std::string::npos);
  // The next menu offers the trials of year 1 and no release.
  EXPECT_NE(shown.find("     4  Phenotype lines for yield and protein [Year 1]\n"),
            std::string::npos);
  EXPECT_EQ(shown.find("    99  Release"), std::string::npos);
}

TEST(TaskLoop, StateAfterEachTask) {
  struct Case {
    const char* name;
    std::string script;
    Stage stage;
    std::int32_t year, gwsf2done, gwsridone, phenodone;
  };
  // Every table is read back as written: one <Enter> after each.
  const Case cases[] = {
      {"task 2 in the F2 stage", "2\n\n", Stage::kF2, 1, 1, 0, 0},
      {"task 3", "3\n", Stage::kLine, 1, 0, 0, 0},
      {"task 2 in the line stage", "3\n2\n\n", Stage::kLine, 1, 0, 1, 0},
      {"task 4", "3\n4\n1\n\n", Stage::kLine, 2, 0, 0, 1},
      {"task 5", "3\n5\n1\n\n", Stage::kLine, 2, 0, 0, 1},
      {"task 6", "3\n6\n1\n1\n\n", Stage::kLine, 2, 0, 0, 1},
      {"three trials", "3\n4\n1\n\n5\n1\n\n6\n1\n1\n\n", Stage::kLine, 4, 0, 0, 1},
      {"task 2 in both stages", "2\n\n3\n2\n\n", Stage::kLine, 1, 1, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SmallGame g(c.script);
    EXPECT_EQ(g.run(), -1);  // the script ends at the next menu
    const GameState& s = g.game.state;
    EXPECT_EQ(s.stage, c.stage);
    EXPECT_EQ(s.year, c.year);
    EXPECT_EQ(s.gwsf2done, c.gwsf2done);
    EXPECT_EQ(s.gwsridone, c.gwsridone);
    EXPECT_EQ(s.phenodone, c.phenodone);
    EXPECT_EQ(s.fhbdone, 0);
  }
}

TEST(TaskLoop, ReleaseEndsTheGame) {
  SmallGame g("99\n7\nexit\n");
  GameState& s = g.game.state;
  s.stage = Stage::kLine;
  s.phenodone = 1;
  s.year = 2;
  for (auto& v : g.game.entries.g_ri) v = {95.0, 11.0, 4.0};
  EXPECT_EQ(g.run(), 0);
  const std::string shown = g.out.str();
  EXPECT_NE(shown.find("  Line ID      7, from Parent  1 x Parent  2\n"), std::string::npos);
  const std::string tail = "  CONGRATULATIONS!\n   \n   \n  Press <Enter> to EXIT\n   \n";
  EXPECT_EQ(shown.substr(shown.size() - tail.size()), tail);
}

}  // namespace
}  // namespace tf
