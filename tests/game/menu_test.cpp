#include "game/menu.h"

#include <gtest/gtest.h>

#include <string>

#include "support/dialogue.h"
#include "text/fatal.h"

namespace tf {
namespace {

using test::ScriptedConsole;

const std::string kHeading =
    "   \n"
    "  ---------------\n"
    "   \n"
    "  Enter the number corresponding to the next task:\n"
    "   \n";
const std::string kPrompt = "   \n  Task : ";
const std::string kInvalid = "  Hey, invalid choice ...\n";
const std::string kLine1 = "     1  Select for plants homozygous for the Fhb resistance gene\n";
const std::string kLine2 = "     2  Obtain genomewide predictions for each trait\n";
const std::string kLine3 = "     3  Obtain homozygous lines by single-seed descent\n";
const std::string kLine99 = "    99  Release selected inbred as a cultivar [Line_ID needed]\n";

std::string trial_lines(int year) {
  const std::string y = std::to_string(year);
  return "     4  Phenotype lines for yield and protein [Year " + y + "]\n" +
         "     5  Phenotype lines for Fhb resistance [Year " + y + "]\n" +
         "     6  Phenotype lines for all three traits [Year " + y + "]\n";
}

GameState state_of(Stage stage, int year, int fhbdone, int gwsf2done, int gwsridone,
                   int phenodone) {
  GameState s;
  s.stage = stage;
  s.year = year;
  s.fhbdone = fhbdone;
  s.gwsf2done = gwsf2done;
  s.gwsridone = gwsridone;
  s.phenodone = phenodone;
  return s;
}

TEST(Menu, WritesTheOptionsOfEachStateOfAGame) {
  struct Case {
    const char* name;
    GameState state;
    std::string options;
  };
  const Case cases[] = {
      {"first menu", state_of(Stage::kF2, 1, 0, 0, 0, 0), kLine1 + kLine2 + kLine3},
      {"after tasks 1 and 2 in the F2 stage", state_of(Stage::kF2, 1, 1, 1, 0, 0), kLine3},
      {"after task 3", state_of(Stage::kLine, 1, 0, 0, 0, 0), kLine1 + kLine2 + trial_lines(1)},
      {"line predictions done", state_of(Stage::kLine, 1, 1, 1, 1, 0), trial_lines(1) + kLine99},
      {"after one trial", state_of(Stage::kLine, 2, 1, 0, 0, 1), kLine2 + trial_lines(2) + kLine99},
      {"after three trials", state_of(Stage::kLine, 4, 1, 1, 1, 1), kLine99},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedConsole sc("99\n1\n2\n3\n4\n");
    GameState s = c.state;
    menu(sc.con, s);
    const std::string shown = sc.out.str();
    ASSERT_GE(shown.size(), kHeading.size() + c.options.size());
    EXPECT_EQ(shown.substr(0, kHeading.size() + c.options.size()), kHeading + c.options);
  }
}

TEST(Menu, AcceptsExactlyTheOfferedCodes) {
  struct Case {
    const char* name;
    GameState state;
    std::string input;
    std::int32_t accepted;
    int refusals;
  };
  const Case cases[] = {
      {"0, 7, 98, 100, -1 refused at the first menu", state_of(Stage::kF2, 1, 0, 0, 0, 0),
       "0\n7\n98\n100\n-1\n3\n", 3, 5},
      {"4 and 99 in the F2 stage", state_of(Stage::kF2, 1, 0, 0, 0, 0), "4\n5\n6\n99\n1\n", 1, 4},
      {"1 after task 1", state_of(Stage::kF2, 1, 1, 0, 0, 0), "1\n2\n", 2, 1},
      {"2 after task 2 in the F2 stage", state_of(Stage::kF2, 1, 0, 1, 0, 0), "2\n3\n", 3, 1},
      {"3 in the line stage", state_of(Stage::kLine, 1, 0, 0, 0, 0), "3\n4\n", 4, 1},
      {"99 with neither predictions nor trials", state_of(Stage::kLine, 1, 0, 0, 0, 0), "99\n6\n",
       6, 1},
      {"task 2 again in the line stage", state_of(Stage::kLine, 1, 0, 1, 0, 0), "2\n", 2, 0},
      {"2 after the line predictions", state_of(Stage::kLine, 1, 0, 1, 1, 0), "2\n99\n", 99, 1},
      {"trials after the third", state_of(Stage::kLine, 4, 1, 1, 1, 1), "4\n5\n6\n99\n", 99, 3},
      {"a word or a decimal is asked again silently", state_of(Stage::kF2, 1, 0, 0, 0, 0),
       "two\n2.5\n2\n", 2, 0},
      {"2 then 5 on one line selects 2", state_of(Stage::kF2, 1, 0, 0, 0, 0), "2 5\n", 2, 0},
      {"an empty line is passed over", state_of(Stage::kF2, 1, 0, 0, 0, 0), "\n   \n3\n", 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedConsole sc(c.input);
    GameState s = c.state;
    menu(sc.con, s);
    EXPECT_EQ(s.task, c.accepted);
    const std::string shown = sc.out.str();
    EXPECT_EQ(test::count_of(shown, kInvalid), c.refusals);
    EXPECT_TRUE(sc.in.eof() || sc.in.peek() == EOF) << "the menu read past its answer";
  }
}

TEST(Menu, RefusalAndUnreadableAnswerBytes) {
  ScriptedConsole sc("x\n0\n3\n");
  GameState s = state_of(Stage::kF2, 1, 0, 0, 0, 0);
  menu(sc.con, s);
  EXPECT_EQ(sc.out.str(),
            kHeading + kLine1 + kLine2 + kLine3 + kPrompt + kPrompt + kInvalid + kPrompt);
}

TEST(Menu, NullAnswerIsJudgedAsTheTaskAlreadyHeld) {
  {
    SCOPED_TRACE("first menu: TASK is 0 and is refused");
    ScriptedConsole sc(",\n3\n");
    GameState s = state_of(Stage::kF2, 1, 0, 0, 0, 0);
    menu(sc.con, s);
    EXPECT_EQ(s.task, 3);
    EXPECT_NE(sc.out.str().find(kInvalid), std::string::npos);
  }
  {
    SCOPED_TRACE("a second trial: the last task is accepted again");
    ScriptedConsole sc("/\n");
    GameState s = state_of(Stage::kLine, 2, 0, 0, 0, 1);
    s.task = 5;
    menu(sc.con, s);
    EXPECT_EQ(s.task, 5);
    EXPECT_EQ(sc.out.str().find(kInvalid), std::string::npos);
  }
}

TEST(Menu, EndOfInputEndsTheRunInsteadOfAskingForEver) {
  ScriptedConsole sc("0\n");
  GameState s = state_of(Stage::kF2, 1, 0, 0, 0, 0);
  EXPECT_THROW(menu(sc.con, s), FatalIoError);
}

}  // namespace
}  // namespace tf
