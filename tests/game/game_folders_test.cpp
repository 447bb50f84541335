// The game's folder as a player's system names it: folder names outside ASCII,
// and a folder where the game writes a file. Run in-process, so that every
// system the tests are built on (Windows too) is held to the same reports.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "game/main_program.h"
#include "support/dialogue.h"

namespace tf {
namespace {

using test::slurp;
using test::TempDir;
using test::write_file;

TEST(GameFolders, NamesOutsideAsciiHoldEveryFileOfAGame) {
  TempDir dir;
  // "Gärten α 育種": Latin, Greek and CJK letters, as UTF-8.
  const std::filesystem::path folder =
      dir.path() / std::filesystem::u8path("G\xC3\xA4rten \xCE\xB1 \xE8\x82\xB2\xE7\xA8\xAE");
  std::filesystem::create_directory(folder);
  for (const char* name : {"zForbidden.csv", "zHandsOff.csv", "zKeepOut.csv"}) {
    std::filesystem::copy_file(std::filesystem::path(TF_DATA_DIR) / name, folder / name);
  }
  write_file(folder / "Results.csv", "old contents\n");
  write_file(folder / "Crosses.csv", "1,2,10\n");
  // The closed-file prompt takes the one line; the input then ends at the menu.
  std::istringstream in("\n");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(run_game(GameIo{in, out, err, folder, -12}), 255);
  EXPECT_NE(out.str().find("          --->>> Remaining balance: $      249975.\n"),
            std::string::npos);
  EXPECT_EQ(err.str(),
            "? Tillerfold stopped: a file or console operation failed\n"
            "? Attempt to read past end of file\n"
            "? Reading a line from the console\n");
  EXPECT_EQ(slurp(folder / "Results.csv"), "   \n");
}

TEST(GameFolders, ResultsNameThatIsAFolder) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "Results.csv");
  const auto run = test::run_in_process(dir, "\n");
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(run.err,
            "? System Error:\n"
            "? Is a directory\n"
            "? Opening Results.csv on the file channel\n");
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Results.csv"));
}

}  // namespace
}  // namespace tf
