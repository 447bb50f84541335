// The intake of Crosses.csv: the waits, the count and the reading (the checks
// and their reports are tested on the built program).
#include "game/intake.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/main_program.h"

#include "intake_texts.h"
#include "support/dialogue.h"
#include "support/scripted_game.h"

namespace tf {
namespace {

using test::kClosedPrompt;
using test::kCreating;
using test::TempDir;

TEST(Intake, EndingSequenceConsumesExactlyOneLine) {
  TempDir dir;
  dir.write("Crosses.csv", "1,2,2001\n");
  std::istringstream in("\nend\nnot read\n");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(run_game(GameIo{in, out, err, dir.path(), -1}), 0);
  std::string rest;
  std::getline(in, rest);
  EXPECT_EQ(rest, "not read");
}

TEST(Intake, WaitsForTheFileThenAsksOnceForItToBeClosed) {
  test::ScriptedGame g(0);
  // The player writes Crosses.csv while the program waits for the second line.
  g.enter();
  g.enter([&] { g.dir.write("Crosses.csv", "1,2,5\n3,4,6\n"); });
  g.enter();
  EXPECT_EQ(crosses_first_half(g.con, g.files), 2);
  const std::string missing =
      "  The CROSSES.CSV file cannot be found\n"
      "  Double check, then press <Enter> to continue\n"
      "   \n";
  EXPECT_EQ(g.out.str(), missing + missing + kClosedPrompt + kCreating);
}

TEST(Intake, ClosedFilePromptRepeatsWhileTheFileCannotBeOpened) {
  test::ScriptedGame g(0);
  // A folder of that name exists but cannot be opened as a file; the player
  // puts the real file in its place while the program waits.
  std::filesystem::create_directory(g.dir.path() / "Crosses.csv");
  g.enter();
  g.enter([&] {
    std::filesystem::remove(g.dir.path() / "Crosses.csv");
    g.dir.write("Crosses.csv", "1,2,5\n");
  });
  g.enter();
  EXPECT_EQ(crosses_first_half(g.con, g.files), 1);
  EXPECT_EQ(g.out.str(), kClosedPrompt + kClosedPrompt + kCreating);
}

TEST(Intake, CountsEveryLine) {
  struct Case {
    const char* name;
    std::string contents;
    std::int32_t ncross;
  };
  const Case cases[] = {
      {"no records", "", 0},
      {"three records", "1,2,3\n4,5,6\n7,8,9\n", 3},
      {"a last line without a line feed", "1,2,3\n4,5,6", 2},
      {"empty lines count", "1,2,3\n\n4,5,6\n\n", 4},
      {"CRLF line ends", "1,2,3\r\n4,5,6\r\n", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.write("Crosses.csv", c.contents);
    FileChannel files(dir.path());
    test::ScriptedConsole sc("\n");
    EXPECT_EQ(crosses_first_half(sc.con, files), c.ncross);
    EXPECT_FALSE(files.is_open());
  }
}

TEST(Intake, ReadsTheCrossesInFreeFormat) {
  TempDir dir;
  dir.write("Crosses.csv", "1,2,200\r\n4 10 150\n3, 12 ,5, 99\n6,\n7,8\n");
  FileChannel files(dir.path());
  test::ScriptedConsole sc;
  CrossTables crosses;
  crosses.create(4);
  std::int32_t errflag = -1;
  EXPECT_EQ(crosses_second_half(sc.con, files, crosses, errflag), 200 + 150 + 5 + 8);
  EXPECT_EQ(errflag, 0);
  EXPECT_EQ(crosses.crosspar[1], (std::array<std::int32_t, 2>{4, 10}));
  EXPECT_EQ(crosses.crosssize[2], 5);
  // A record with fewer values takes them from the next line.
  EXPECT_EQ(crosses.crosspar[3], (std::array<std::int32_t, 2>{6, 7}));
  EXPECT_EQ(crosses.crosssize[3], 8);
  EXPECT_EQ(sc.out.str(), "");
}

}  // namespace
}  // namespace tf
