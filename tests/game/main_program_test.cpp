// The built program as a player starts it: banner, reset of Results.csv and
// the fatal report, with the clock frozen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/dialogue.h"

namespace tf {
namespace {

using test::run_program;
using test::TempDir;

const std::string kBanner =
    "   \n"
    " Tillerfold - Amberline Version\n"
    " -------------------------------------------------\n"
    "   \n"
    "   \n";

TEST(MainProgram, BannerAndResultsResetWhateverTheFileHeld) {
  for (const std::string& before : {std::string(), std::string(100000, 'x') + "\n"}) {
    SCOPED_TRACE(before.size());
    TempDir dir;
    if (!before.empty()) dir.write("Results.csv", before);
    // No Crosses.csv: the program waits for it until the input ends.
    const auto run = run_program(dir, "\n");
    EXPECT_EQ(run.out.substr(0, kBanner.size()), kBanner);
    EXPECT_EQ(dir.read("Results.csv"), "   \n");
    EXPECT_EQ(run.out.substr(kBanner.size()),
              "  The CROSSES.CSV file cannot be found\n"
              "  Double check, then press <Enter> to continue\n"
              "   \n"
              "  The CROSSES.CSV file cannot be found\n"
              "  Double check, then press <Enter> to continue\n");
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.err,
              "? Tillerfold stopped: a file or console operation failed\n"
              "? Attempt to read past end of file\n"
              "? Reading a line from the console\n");
  }
}

TEST(MainProgram, ResultsFileThatMayNotBeWritten) {
  TempDir dir;
  dir.write("Results.csv", "old contents\n");
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  std::filesystem::permissions(dir.path() / "Results.csv", std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::group_read |
                                                               std::filesystem::perms::others_read);
  // Root may write any file: run as an unprivileged user then.
  const std::string as_user =
      ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
  const auto run = run_program(dir, "\n", "2026-12-10 10:05:07", as_user);
  EXPECT_EQ(run.out, kBanner);
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(run.err,
            "? Tillerfold stopped: a file or console operation failed\n"
            "? File not open for write\n"
            "? Writing Results.csv on the file channel\n");
  EXPECT_EQ(dir.read("Results.csv"), "old contents\n");
}

TEST(MainProgram, ResultsNameThatIsAFolder) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "Results.csv");
  const auto run = run_program(dir, "\n");
  EXPECT_EQ(run.out, kBanner);
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(run.err,
            "? System Error:\n"
            "? Is a directory\n"
            "? Opening Results.csv on the file channel\n");
}

}  // namespace
}  // namespace tf

namespace tf {
namespace {

TEST(MainProgram, InvalidCrossesEndTheGameBeforeAnyDataFile) {
  TempDir dir;
  dir.write("Crosses.csv", "1,2,10\n3,16,5\n");
  const auto run = run_program(dir, "\nend\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(kBanner.size()),
            "  Make sure the CROSSES.CSV file is closed\n"
            "  Press <Enter> to continue\n"
            "   \n"
            "  Creating F2 plants within each cross ...\n"
            "   \n"
            "  ERROR:\n"
            "    Parent numbers must be 1 to 15 and cross sizes 0 to 2000\n"
            "    Modify the CROSSES.CSV file accordingly\n"
            "   \n"
            "   \n"
            "  Press <Enter> to EXIT\n"
            "   \n");
  EXPECT_EQ(run.err, "");
}

TEST(MainProgram, MissingDataFileEndsTheRunWithoutCreatingIt) {
  TempDir dir;
  dir.write("Crosses.csv", "1,2,10\n");
  const auto run = run_program(dir, "\n");
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(run.err,
            "? System Error:\n"
            "? No such file or directory\n"
            "? Opening zForbidden.csv on the file channel\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "zForbidden.csv"));
}

}  // namespace
}  // namespace tf
