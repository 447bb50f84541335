// The built program as a player starts it: banner, reset of Results.csv and
// the fatal report, with the clock frozen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/dialogue.h"

namespace tf {
namespace {

using test::run_built_program;
using test::TempDir;

const std::string kBanner =
    "   \n"
    " Tillerfold - Amberline Version\n"
    " -------------------------------------------------\n"
    "   \n"
    "   \n";

TEST(MainProgram, BannerAndResultsResetWhateverTheFileHeld) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  for (const std::string& before : {std::string(), std::string(100000, 'x') + "\n"}) {
    SCOPED_TRACE(before.size());
    TempDir dir;
    if (!before.empty()) dir.write("Results.csv", before);
    // No Crosses.csv: the program waits for it until the input ends.
    const auto run = run_built_program(dir, "\n");
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

const std::string kCloseResults =
    "  Make sure the RESULTS.CSV file is closed\n"
    "  Press <Enter> to continue\n";

// A Results.csv that may not be written (a spreadsheet holds it, or it is
// read-only) is asked to be closed, as often as it takes; then the game goes
// on. Run as a user whom the permissions bind.
TEST(MainProgram, ResultsFileThatMayNotBeWrittenIsAskedToBeClosed) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  dir.write("Results.csv", "old contents\n");
  namespace fs = std::filesystem;
  const fs::path results = dir.path() / "Results.csv";
  fs::permissions(dir.path(), fs::perms::all);
  fs::permissions(results, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto run =
      test::run_built_program_steps(dir,
                                    {{"RESULTS.CSV file is closed", 1, ""},
                                     {"RESULTS.CSV file is closed", 2, "",
                                      [&] {
                                        EXPECT_EQ(dir.read("Results.csv"), "old contents\n");
                                        fs::permissions(results, fs::perms::all);
                                      }}},
                                    "2026-12-10 10:05:07", test::unprivileged_wrapper());
  EXPECT_EQ(run.out, kBanner + kCloseResults + kCloseResults +
                         "  The CROSSES.CSV file cannot be found\n"
                         "  Double check, then press <Enter> to continue\n");
  EXPECT_EQ(dir.read("Results.csv"), "   \n");
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(run.err,
            "? Tillerfold stopped: a file or console operation failed\n"
            "? Attempt to read past end of file\n"
            "? Reading a line from the console\n");
}

// A Results.csv that is no regular file (here a FIFO) and may not be written
// is asked to be closed like any other; the game goes on once it is gone.
TEST(MainProgram, RefusedResultsFileOfAnotherKindIsAskedToBeClosed) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  namespace fs = std::filesystem;
  const fs::path results = dir.path() / "Results.csv";
  fs::permissions(dir.path(), fs::perms::all);
  ASSERT_EQ(::mkfifo(results.c_str(), 0444), 0) << std::strerror(errno);
  const auto run =
      test::run_built_program_steps(dir,
                                    {{"RESULTS.CSV file is closed", 1, "",
                                      [&] {
                                        EXPECT_TRUE(fs::is_fifo(results));
                                        fs::remove(results);
                                      }}},
                                    "2026-12-10 10:05:07", test::unprivileged_wrapper());
  EXPECT_EQ(run.out, kBanner + kCloseResults +
                         "  The CROSSES.CSV file cannot be found\n"
                         "  Double check, then press <Enter> to continue\n");
  EXPECT_EQ(dir.read("Results.csv"), "   \n");
  EXPECT_EQ(run.status, 255);
}

TEST(MainProgram, ResultsNameThatIsAFolder) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "Results.csv");
  const auto run = run_built_program(dir, "\n");
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
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  dir.write("Crosses.csv", "1,2,10\n3,16,5\n");
  const auto run = run_built_program(dir, "\nend\n");
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

// A last fragment of console input that <Enter> never ended is the end of
// the input: at an Enter wait and at an answer prompt alike.
TEST(MainProgram, LastFragmentWithoutALineFeedIsTheEndOfInput) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  struct Case {
    const char* crosses;
    const char* input;
    const char* not_shown;
  };
  for (const Case& c : {Case{"1,2,10\n3,16,5\n", "\nx", "nothing"},
                        Case{"1,2,3\n", "\n3\n99", "  Hey, invalid choice ..."}}) {
    SCOPED_TRACE(c.input);
    TempDir dir;
    dir.add_genome_files();
    dir.write("Crosses.csv", c.crosses);
    const auto run = run_built_program(dir, c.input);
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.err,
              "? Tillerfold stopped: a file or console operation failed\n"
              "? Attempt to read past end of file\n"
              "? Reading a line from the console\n");
    EXPECT_EQ(run.out.find(c.not_shown), std::string::npos);
  }
}

// An output pipe whose reader has gone: the first write fails, and the run
// ends with the report rather than by a signal.
TEST(MainProgram, ClosedOutputPipeEndsTheRunWithTheReport) {
  TempDir dir;
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ::close(fds[0]);
  const std::string command = "cd '" + dir.path().string() +
                              "' && ASAN_OPTIONS=verify_asan_link_order=0 '" + TF_BINARY +
                              "' < /dev/null 2> .stderr 1>&" + std::to_string(fds[1]);
  const int raw = std::system(command.c_str());
  ::close(fds[1]);
  ASSERT_TRUE(WIFEXITED(raw)) << "ended by signal " << WTERMSIG(raw);
  EXPECT_EQ(WEXITSTATUS(raw), 255);
  EXPECT_EQ(dir.read(".stderr"),
            "? System Error:\n"
            "? " +
                std::string(std::strerror(EPIPE)) +
                "\n"
                "? Writing to the console\n");
}

// Runs the program with its address space limited to about 146 MB: room for
// the tables of 8 million crosses, but not for a copy of their file.
bool memory_limit_unavailable() {
#if defined(TF_SANITIZE)
  return true;  // the sanitizers reserve more address space than that
#else
  return std::system("ulimit -v 150000 2>/dev/null") != 0;
#endif
}

test::RunResult run_with_memory_limit(const TempDir& dir, const std::string& input) {
  return run_built_program(dir, input, "2026-12-10 10:05:07",
                           "sh -c 'ulimit -v 150000; exec \"$0\" \"$@\"'");
}

// Files are read line by line: a Crosses.csv far larger than the memory
// left beside the cross tables still reaches the check of the crosses.
TEST(MainProgram, HugeCrossesFileIsReadWithinBoundedMemory) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  if (memory_limit_unavailable()) GTEST_SKIP() << "no address-space limit here";
  TempDir dir;
  {
    std::string block;
    for (int i = 0; i < 1000; ++i) block += "1,2,10\n";
    std::ofstream out(dir.path() / "Crosses.csv", std::ios::binary);
    for (int i = 0; i < 8000; ++i) out << block;
  }
  const auto run = run_with_memory_limit(dir, "\n\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("    Duplicate crosses were found\n"), std::string::npos);
}

// Memory that runs out outside the table groups (here a single line of
// 400 MB of Crosses.csv) ends the run with the report of that read, never
// with an abort.
TEST(MainProgram, MemoryExhaustedOutsideTheTableGroupsEndsTheRunWithTheReport) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  if (memory_limit_unavailable()) GTEST_SKIP() << "no address-space limit here";
  TempDir dir;
  // A sparse file: 400 MB of zero bytes and no line feed, taking no disk.
  dir.write("Crosses.csv", "");
  std::filesystem::resize_file(dir.path() / "Crosses.csv", 400u << 20);
  const auto run = run_with_memory_limit(dir, "\n");
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(run.err, "? System Error:\n? " + std::string(std::strerror(ENOMEM)) +
                         "\n? Reading Crosses.csv on the file channel\n");
}

// Runs the built program through the shell as `command_tail` says (its
// working folder and standard input), output into `dir`.
test::RunResult run_shell(const TempDir& dir, const std::string& command_tail) {
  const std::string out = (dir.path() / ".stdout").string();
  const std::string err = (dir.path() / ".stderr").string();
  const std::string command = "ASAN_OPTIONS=verify_asan_link_order=0 " + command_tail + " '" +
                              TF_BINARY + "' > '" + out + "' 2> '" + err + "'";
  const int raw = std::system(command.c_str());
  test::RunResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = dir.read(".stdout");
  result.err = dir.read(".stderr");
  return result;
}

std::string system_report(int error, const std::string& operation) {
  return "? System Error:\n? " + std::string(std::strerror(error)) + "\n? " + operation + "\n";
}

// A working folder removed before the start: the banner, then the report of
// the first open (the reset of Results.csv).
TEST(MainProgram, WorkingFolderThatIsGoneFailsAtTheFirstOpen) {
  TempDir dir;
  const std::string gone = (dir.path() / "gone").string();
  const auto run = run_shell(
      dir, "mkdir '" + gone + "' && cd '" + gone + "' && rmdir '" + gone + "' && exec < /dev/null");
  EXPECT_EQ(run.out, kBanner);
  EXPECT_EQ(run.err, system_report(ENOENT, "Opening Results.csv on the file channel"));
  EXPECT_EQ(run.status, 255);
}

// Standard input that the system refuses to read is reported with its text;
// the end of the input is for input that truly ends.
TEST(MainProgram, RefusedConsoleReadIsReportedWithTheSystemText) {
  struct Case {
    const char* name;
    const char* redirection;
    int error;
  };
  for (const Case& c : {Case{"a folder", "< .", EISDIR}, Case{"closed", "<&-", EBADF}}) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const auto run = run_shell(dir, "cd '" + dir.path().string() + "' && exec " + c.redirection);
    EXPECT_EQ(run.out, kBanner +
                           "  The CROSSES.CSV file cannot be found\n"
                           "  Double check, then press <Enter> to continue\n");
    EXPECT_EQ(run.err, system_report(c.error, "Reading a line from the console"));
    EXPECT_EQ(run.status, 255);
  }
}

// However little memory the program is given, it ends by the loader's
// refusal, the report or the game's own end: never by an abort.
TEST(MainProgram, SmallAddressSpacesNeverAbort) {
  if (memory_limit_unavailable()) GTEST_SKIP() << "no address-space limit here";
  TempDir dir;
  dir.add_genome_files();
  dir.write("Crosses.csv", "1,2,10\n3,4,10\n");
  dir.write("input", "\n1\n99\n1\n\n");
  for (int kb = 4000; kb <= 12000; kb += 100) {
    SCOPED_TRACE(kb);
    const auto run = run_shell(dir, "cd '" + dir.path().string() + "' && ulimit -v " +
                                        std::to_string(kb) + " && exec < input");
    const bool loader_refused = run.status == 127 && run.out.empty();
    const bool reported = run.status == 255 && run.err.rfind("? ", 0) == 0;
    const bool ended = (run.status == 0 || run.status == 2) && run.err.empty();
    EXPECT_TRUE(loader_refused || reported || ended)
        << "status " << run.status << ", error output: " << run.err;
  }
}

TEST(MainProgram, MissingDataFileEndsTheRunWithoutCreatingIt) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir dir;
  dir.write("Crosses.csv", "1,2,10\n");
  const auto run = run_built_program(dir, "\n");
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(run.err,
            "? System Error:\n"
            "? No such file or directory\n"
            "? Opening zForbidden.csv on the file channel\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "zForbidden.csv"));
}

const std::string kClock = "2026-12-10 10:05:07";

// A folder with the shipped genome files and two crosses of `plants` each.
void small_game(const TempDir& dir, int plants = 30) {
  dir.add_genome_files();
  const std::string size = std::to_string(plants);
  dir.write("Crosses.csv", "1,2," + size + "\n4,5," + size + "\n");
}

// The clock is frozen, and the seed is -(minute + second) of it: the built
// program plays the game that the same seed gives in-process, and another
// minute and second give another game.
TEST(MainProgram, FrozenClockGivesTheSeedOfItsMinuteAndSecond) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  struct Case {
    const char* clock;
    std::int32_t seed;
  };
  std::vector<std::string> tables;
  for (const Case& c : {Case{"2026-12-10 10:05:07", -12}, Case{"2031-03-01 22:48:59", -107}}) {
    SCOPED_TRACE(c.clock);
    TempDir program;
    TempDir in_process;
    small_game(program);
    small_game(in_process);
    const std::string input = "\n2\n\n";  // the F2 predictions, a table of the seed's plants
    const auto run = run_built_program(program, input, c.clock);
    const auto expected = test::run_in_process(in_process, input, c.seed);
    EXPECT_EQ(run.status, expected.status);
    EXPECT_EQ(run.out, expected.out);
    EXPECT_EQ(run.err, expected.err);
    tables.push_back(program.read("Results.csv"));
    EXPECT_EQ(tables.back(), in_process.read("Results.csv"));
  }
  EXPECT_NE(tables[0], tables[1]);
}

// A write past the file-size limit is refused, not the end of the process
// by a signal: a table (held by the C library until the close, or written
// at once) and the console output sent to a file under the limit each end
// the run with the whole report of that write. The file cut by the limit
// holds the start of what the unlimited run wrote.
TEST(MainProgram, WriteRefusedByTheFileSizeLimitEndsTheRunWithTheReport) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  struct Case {
    const char* name;
    int plants;
    std::string input;
    const char* operation;
    bool console;  // the limit is met by standard output, else by Results.csv
  };
  std::string invalid_choices = "\n";
  for (int i = 0; i < 200; ++i) invalid_choices += "0\n";
  const Case cases[] = {
      {"a table of 3 kB", 30, "\n2\n\n", "Writing Results.csv on the file channel", false},
      {"a table of 21 kB", 200, "\n2\n\n", "Writing Results.csv on the file channel", false},
      {"the console", 30, invalid_choices, "Writing to the console", true},
  };
  // 1 or 2 kB, as the shell counts blocks: the console output up to the
  // table stays below it.
  const std::string limit = "sh -c 'ulimit -f 2; exec \"$0\" \"$@\"'";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir unlimited;
    TempDir dir;
    small_game(unlimited, c.plants);
    small_game(dir, c.plants);
    const auto limited_file = [&c](const test::RunResult& run, const TempDir& folder) {
      return c.console ? run.out : folder.read("Results.csv");
    };
    const auto whole = run_built_program(unlimited, c.input);
    const auto run = run_built_program(dir, c.input, kClock, limit);
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.err, system_report(EFBIG, c.operation));
    const std::string cut = limited_file(run, dir);
    const std::string whole_cut = limited_file(whole, unlimited);
    EXPECT_LT(cut.size(), whole_cut.size());
    EXPECT_EQ(cut, whole_cut.substr(0, cut.size()));
    EXPECT_EQ(run.out, whole.out.substr(0, run.out.size()));
  }
}

// Standard input that another program left non-blocking: every read waits
// until its line has arrived, one given in two parts too, and the game
// goes to its end as on input that blocks.
TEST(MainProgram, NonBlockingInputIsWaitedFor) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  TempDir blocking;
  TempDir nonblocking;
  small_game(blocking);
  small_game(nonblocking);
  const auto expected = run_built_program(blocking, "\n3\n4\n1\n\n99\n5\n\n");
  ASSERT_EQ(expected.status, 0) << expected.err;
  // Each line is typed once the program waits for it; the pauses give the
  // reads their turns to find the pipe empty.
  const auto pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); };
  const std::vector<test::Step> steps = {
      {"Press <Enter> to continue", 1, "", pause},
      {"Task : ", 1, "3", pause},
      {"Task : ", 2, "4", pause},
      {"Number of trial locations for yield and protein", 1, "1", pause},
      {"press <Enter> to continue", 1, "", pause},
      {"Task : ", 3, "9", pause, false},  // "99" in two parts
      {"Task : ", 3, "9", pause},
      {"of selected line : ", 1, "5", pause},
      {"Press <Enter> to EXIT", 1, "", pause},
  };
  const auto run =
      test::run_built_program_steps(nonblocking, steps, kClock, "", test::Stdin::kNonBlocking);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, expected.out);
  EXPECT_NE(run.out.find("  Press <Enter> to EXIT\n"), std::string::npos);
  EXPECT_EQ(nonblocking.read("Results.csv"), blocking.read("Results.csv"));
}

}  // namespace
}  // namespace tf
