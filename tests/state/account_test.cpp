#include "state/account.h"

#include <gtest/gtest.h>

#include <string>

#include "state/tables.h"
#include "support/dialogue.h"

namespace tf {
namespace {

using test::ScriptedConsole;

TEST(Account, StartChargeAndRefusedChargeLines) {
  ScriptedConsole sc;
  float balance = 250000.0F;
  std::int32_t overflag = -1;
  budget(sc.con, 4, TaskCode::kStartCharge, balance, overflag);
  EXPECT_EQ(overflag, 0);
  EXPECT_EQ(balance, 249900.0F);
  budget(sc.con, 100000, TaskCode::kMarkerScreening, balance, overflag);  // 400000 dollars
  EXPECT_EQ(overflag, 1);
  EXPECT_EQ(balance, 249900.0F);
  EXPECT_EQ(sc.out.str(),
            "   \n"
            "          --->>> Remaining balance: $      249900.\n"
            "   \n"
            "   \n"
            "          --->>> Expenses exceed remaining funds\n"
            "                    Balance:  $      249900.\n"
            "                    Expenses: $      400000.\n"
            "   \n");
}

TEST(Account, TrialChargesShowTwoDecimals) {
  ScriptedConsole sc;
  float balance = 250000.0F;
  std::int32_t overflag = -1;
  // 40 entries at 5 yield-and-protein locations: 8400 dollars.
  EXPECT_TRUE(budget2(sc.con, 40, TaskCode::kYieldProteinTrial, balance, overflag, 5, 5));
  EXPECT_EQ(overflag, 0);
  EXPECT_EQ(sc.out.str(), "   \n          --->>> Remaining balance: $    241600.00\n   \n");
  EXPECT_EQ(balance, 241600.0F);
}

TEST(Account, TrialExpenseByTask) {
  struct Case {
    std::int32_t task;
    std::int32_t nloc_yp;
    std::int32_t nloc_fhb;
    float expense;
  };
  // 40 kept entries, 5 yield-and-protein and 2 Fhb locations.
  const Case cases[] = {{TaskCode::kYieldProteinTrial, 5, 5, 8400.0F},
                        {TaskCode::kFhbTrial, 2, 2, 400.0F},
                        {TaskCode::kThreeTraitTrial, 5, 2, 8800.0F}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.task);
    ScriptedConsole sc;
    float balance = 10000.0F;
    std::int32_t overflag = -1;
    budget2(sc.con, 40, c.task, balance, overflag, c.nloc_yp, c.nloc_fhb);
    EXPECT_EQ(overflag, 0);
    EXPECT_EQ(balance, 10000.0F - c.expense);
  }
}

TEST(Account, ChargesAtTheEdges) {
  struct Case {
    const char* name;
    float balance;
    std::int32_t units;
    std::int32_t task;
    std::int32_t overflag;
    float after;
    std::string shown;
  };
  const Case cases[] = {
      {"an expense equal to the balance is charged to 0", 120.0F, 30, TaskCode::kMarkerScreening, 0,
       0.0F, "   \n          --->>> Remaining balance: $           0.\n   \n"},
      {"zero units are charged and reported", 250000.0F, 0, TaskCode::kStartCharge, 0, 250000.0F,
       "   \n          --->>> Remaining balance: $      250000.\n   \n"},
      {"one dollar short is refused", 119.0F, 30, TaskCode::kMarkerScreening, 1, 119.0F,
       "   \n          --->>> Expenses exceed remaining funds\n"
       "                    Balance:  $         119.\n"
       "                    Expenses: $         120.\n   \n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedConsole sc;
    float balance = c.balance;
    std::int32_t overflag = -1;
    const bool charged = budget(sc.con, c.units, c.task, balance, overflag);
    EXPECT_EQ(overflag, c.overflag);
    EXPECT_EQ(charged, c.overflag == 0);  // the outcome returned is the one in the flag
    EXPECT_EQ(balance, c.after);
    EXPECT_EQ(sc.out.str(), c.shown);
  }
}

TEST(Account, NkeepCountsOnlyTheValueOne) {
  EXPECT_EQ(nkeep({}), 0);
  EXPECT_EQ(nkeep({1, 0, 1, 2, -1, 1}), 3);
}

}  // namespace
}  // namespace tf
