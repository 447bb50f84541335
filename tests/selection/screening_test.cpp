#include "selection/screening.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/scripted_game.h"

namespace tf {
namespace {

using test::ScriptedGame;

std::string screen(const std::string& count_line) {
  return "   \n  ---------------\n   \n  Screening for Fhb major QTL ...\n   \n" + count_line +
         "\n   \n";
}

TEST(Fhbqtl, DropsKeptEntriesByStageAndStatus) {
  struct Case {
    const char* name;
    Stage stage;
    std::vector<std::int32_t> keep;
    std::vector<std::int32_t> status;
    std::vector<std::int32_t> kept;
    std::string count_line;
  };
  const std::vector<Case> cases = {
      {"F2: only status 2 stays",
       Stage::kF2,
       {1, 1, 1, 1},
       {2, 1, 0, 2},
       {1, 4},
       "  Number of F2 plants kept =      2"},
      {"F2: all status 2, nothing dropped",
       Stage::kF2,
       {1, 0, 1},
       {2, 2, 2},
       {1, 3},
       "  Number of F2 plants kept =      2"},
      {"F2: entries not kept are not looked at",
       Stage::kF2,
       {0, 1, 2},
       {0, 2, 1},
       {2},
       "  Number of F2 plants kept =      1"},
      {"lines: status 0 dropped, 2 kept",
       Stage::kLine,
       {1, 1, 1, 0, 3},
       {0, 2, 2, 2, 0},
       {2, 3},
       "  Number of lines kept =      2"},
      {"lines: an F2-only status 1 stays",
       Stage::kLine,
       {1, 1},
       {1, 0},
       {1},
       "  Number of lines kept =      1"},
      {"F2: no entries", Stage::kF2, {}, {}, {}, "  Number of F2 plants kept =      0"},
      {"lines: no entries", Stage::kLine, {}, {}, {}, "  Number of lines kept =      0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedGame g(c.keep.size());
    g.game.state.stage = c.stage;
    g.game.entries.keep = c.keep;
    // The other stage's status would give the opposite answer.
    g.game.entries.fhbstat_f2.assign(c.keep.size(), c.stage == Stage::kF2 ? 0 : 2);
    g.game.entries.fhbstat_ri.assign(c.keep.size(), c.stage == Stage::kLine ? 0 : 2);
    (c.stage == Stage::kF2 ? g.game.entries.fhbstat_f2 : g.game.entries.fhbstat_ri) = c.status;
    const std::vector<std::int32_t> dropped_before = c.keep;

    fhbqtl(g.con, g.game.state, g.game.entries);
    EXPECT_EQ(g.kept(), c.kept);
    EXPECT_EQ(g.game.state.nkept, static_cast<std::int32_t>(c.kept.size()));
    EXPECT_EQ(g.out.str(), screen(c.count_line));
    for (std::size_t e = 0; e < c.keep.size(); ++e) {
      if (dropped_before[e] != 1) {
        EXPECT_EQ(g.game.entries.keep[e], dropped_before[e]);
      }
    }
  }
}

TEST(Fhbqtl, ShowsTheSevenLinesForThirtySevenPlants) {
  ScriptedGame g(50);
  for (std::size_t e = 0; e < 50; ++e) g.game.entries.fhbstat_f2[e] = e < 37 ? 2 : 1;
  fhbqtl(g.con, g.game.state, g.game.entries);
  EXPECT_EQ(g.out.str(),
            "   \n"
            "  ---------------\n"
            "   \n"
            "  Screening for Fhb major QTL ...\n"
            "   \n"
            "  Number of F2 plants kept =     37\n"
            "   \n");
  EXPECT_EQ(g.game.state.nkept, 37);
}

}  // namespace
}  // namespace tf
