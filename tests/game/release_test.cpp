#include "game/release.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/dialogue.h"
#include "text/fatal.h"

namespace tf {
namespace {

using test::ScriptedConsole;

const std::string kPrompt = "   \n  Line ID number [from RESULTS.CSV file] of selected line : ";

// 20 entries of a cross of parents 3 and 12; entry e has the values given.
EntryTable entries_with(std::size_t e, const TraitValues& g) {
  EntryTable en;
  en.create(20);
  for (std::size_t i = 0; i < 20; ++i) {
    en.id[i] = static_cast<std::int32_t>(i + 1);
    en.plantpar[i] = {3, 12};
    en.g_ri[i] = {90.0, 13.0, 11.0};
  }
  en.g_ri[e - 1] = g;
  return en;
}

TEST(Release, ReportOfTheReleasedLine) {
  ScriptedConsole sc("17\n");
  GameState s;
  EntryTable en = entries_with(17, {101.234, 11.2, 4.1});
  release_check(sc.con, s, en);
  EXPECT_EQ(sc.out.str(), kPrompt +
                              "   \n"
                              "  ---------------\n"
                              "   \n"
                              "  The genotypic values of the line you released are as follows:\n"
                              "   \n"
                              "  Line ID     17, from Parent  3 x Parent 12\n"
                              "   \n"
                              "       Yield [bushels/acre] =       101.23\n"
                              "  Protein concentration [%] =        11.20\n"
                              "           Fhb severity [%] =         4.10\n"
                              "   \n"
                              "   \n"
                              "  The new line meets the standards for both protein and Fhb\n"
                              "   \n"
                              "  CONGRATULATIONS!\n");
}

TEST(Release, VerdictsAtTheBounds) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    double protein;
    double fhb;
    const char* verdict;
    const char* closing;
    const char* fhb_shown;
  };
  const char* both = "  The new line meets the standards for both protein and Fhb\n";
  const char* protein_only = "  The new line meets the standard for protein but not for Fhb\n";
  const char* fhb_only = "  The new line meets the standard for Fhb but not for protein\n";
  const char* neither = "  The new line failed to meet the standards for protein and Fhb\n";
  const Case cases[] = {
      {"protein exactly 8.995", 8.995, 4.1, both, "  CONGRATULATIONS!\n", "4.10"},
      {"protein exactly 12.00499", 12.00499, 5.00499, both, "  CONGRATULATIONS!\n", "5.00"},
      {"protein a little above 12.00499", std::nextafter(12.00499, 13.0), 4.1, fhb_only,
       "  Try again!\n", "4.10"},
      {"protein just below 8.995", std::nextafter(8.995, 0.0), 4.1, fhb_only, "  Try again!\n",
       "4.10"},
      {"Fhb a little above 5.00499", 11.0, std::nextafter(5.00499, 6.0), protein_only,
       "  Try again!\n", "5.00"},
      {"negative Fhb floored", 11.0, -1.5, both, "  CONGRATULATIONS!\n", "0.00"},
      {"protein 13.4", 13.4, 4.1, fhb_only, "  Try again!\n", "4.10"},
      {"both out", 13.4, 9.0, neither, "  Try again!\n", "9.00"},
      {"not a number fails both", nan, nan, neither, "  Try again!\n", "NaN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedConsole sc("5\n");
    GameState s;
    EntryTable en = entries_with(5, {95.0, c.protein, c.fhb});
    release_check(sc.con, s, en);
    const std::string shown = sc.out.str();
    EXPECT_NE(shown.find(std::string("   \n") + c.verdict + "   \n" + c.closing), std::string::npos)
        << shown;
    EXPECT_NE(
        shown.find("           Fhb severity [%] = " +
                   std::string(12 - std::string(c.fhb_shown).size(), ' ') + c.fhb_shown + "\n"),
        std::string::npos)
        << shown;
    // The standards the tools and tests judge lines by give the same verdict.
    EXPECT_EQ(meets_standards({95.0, c.protein, c.fhb}), c.verdict == both);
  }
}

TEST(Release, FhbFloorIsStoredBack) {
  ScriptedConsole sc("1\n");
  GameState s;
  EntryTable en = entries_with(1, {95.0, 11.0, -0.25});
  release_check(sc.con, s, en);
  EXPECT_EQ(en.g_ri[0][2], static_cast<double>(0.001F));
}

TEST(Release, AsksAgainSilentlyUntilTheIdIsAnEntry) {
  // A null answer before any integer, then 0, a negative, one above NPLANT,
  // a word, a null answer after an integer: each brings the prompt again.
  ScriptedConsole sc(",\n0\n-3\n21\nseven\n/\n20\n");
  GameState s;
  EntryTable en = entries_with(20, {95.0, 11.0, 4.0});
  release_check(sc.con, s, en);
  const std::string shown = sc.out.str();
  std::string prompts;
  for (int i = 0; i < 7; ++i) prompts += kPrompt;
  EXPECT_EQ(shown.substr(0, prompts.size() + 5), prompts + "   \n ");
  EXPECT_NE(shown.find("  Line ID     20, from Parent  3 x Parent 12\n"), std::string::npos);
  EXPECT_EQ(s.lineid, 20);
}

TEST(Release, GameWithoutEntriesHasNoLineToRelease) {
  ScriptedConsole sc("");
  GameState s;
  EntryTable en;
  en.create(0);
  release_check(sc.con, s, en);
  EXPECT_EQ(sc.out.str(), "  There is no line to release\n");
}

TEST(Release, EndOfInputAtTheLineIdPromptIsFatal) {
  ScriptedConsole sc("0\n");
  GameState s;
  EntryTable en = entries_with(1, {95.0, 11.0, 4.0});
  EXPECT_THROW(release_check(sc.con, s, en), FatalIoError);
}

}  // namespace
}  // namespace tf
