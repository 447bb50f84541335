#include "selection/f2_predictions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "selection/screening.h"
#include "support/scripted_game.h"

namespace tf {
namespace {

using test::ScriptedGame;

TEST(F2ReadBack, PlantDroppedByTheScreeningComesBack) {
  ScriptedGame g(4);
  g.game.entries.fhbstat_f2 = {2, 2, 2, 1};
  fhbqtl(g.con, g.game.state, g.game.entries);
  ASSERT_EQ(g.kept(), (std::vector<std::int32_t>{1, 2, 3}));
  g.enter([&g] {
    const std::string table = g.results();
    EXPECT_EQ(table.find("     4,"), std::string::npos);
    g.set_results(table + "4\n");
  });
  gwsf2(g.con, g.files, g.game.entries);
  EXPECT_EQ(g.kept(), (std::vector<std::int32_t>{1, 2, 3, 4}));
}

}  // namespace
}  // namespace tf
