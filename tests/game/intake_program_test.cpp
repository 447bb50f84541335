// The intake of Crosses.csv on the built program: the reports that end a
// game or a run, and valid crosses that reach the menu.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "intake_texts.h"
#include "support/dialogue.h"

namespace tf {
namespace {

using test::kClosedPrompt;
using test::kCreating;
using test::TempDir;

const std::string kEnding = "   \n   \n  Press <Enter> to EXIT\n   \n";

std::string error_report(const std::string& line1, const std::string& line2) {
  return "   \n  ERROR:\n " + line1 + "\n " + line2 + "\n";
}

const std::string kRangeReport =
    error_report("   Parent numbers must be 1 to 15 and cross sizes 0 to 2000",
                 "   Modify the CROSSES.CSV file accordingly");
const std::string kSizeReport =
    error_report("   The size of at least one cross exceeeded the maximum of 2000",
                 "   Modify the CROSSES.CSV file accordingly");
const std::string kDuplicateReport = error_report(
    "   Duplicate crosses were found", "   Make sure each cross in the CROSSES.CSV file is unique");

// The dialogue after the banner, up to the end of the intake's report.
std::string after_banner(const std::string& out) {
  const std::string banner_end = " -------------------------------------------------\n   \n   \n";
  return out.substr(out.find(banner_end) + banner_end.size());
}

TEST(Intake, InvalidCrossesEndTheGameWithTheirReport) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  struct Case {
    const char* name;
    std::string crosses;
    std::string report;
  };
  const Case cases[] = {
      {"2001 plants", "1,2,2001\n", kSizeReport},
      {"3 x 7 and 7 x 3, whatever the sizes", "3,7,10\n1,2,5\n7,3,99\n", kDuplicateReport},
      {"4 x 4 twice", "4,4,10\n4,4,20\n", kDuplicateReport},
      {"size and duplicates: only the size report", "1,2,5\n1,2,2001\n", kSizeReport},
      {"parent 0", "0,2,10\n", kRangeReport},
      {"parent 16", "1,16,10\n", kRangeReport},
      {"negative size", "1,2,-1\n", kRangeReport},
      {"an empty field", "1,,10\n", kRangeReport},
      {"a slash before the third value", "1,2/\n", kRangeReport},
      {"a null repeat", "1,2*\n", kRangeReport},
      {"range before size, over all records", "1,2,2001\n3,17,5\n", kRangeReport},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.write("Crosses.csv", c.crosses);
    // One line for the closed-file prompt, one for the ending.
    const auto run = test::run_built_program(dir, "\nend\nnot read\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(after_banner(run.out), kClosedPrompt + kCreating + c.report + kEnding);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "zForbidden.csv"));
  }
}

TEST(Intake, UnreadableCrossesEndTheRunWithTheFatalReport) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  struct Case {
    const char* name;
    std::string contents;
    const char* message;
  };
  const Case cases[] = {
      {"a header row", "Parent1,Parent2,Size\n1,2,3\n", "Illegal character in numeric input"},
      {"a decimal point", "1,2,3.0\n", "Illegal character in numeric input"},
      {"a byte-order mark",
       "\xEF\xBB\xBF"
       "1,2,3\n",
       "Illegal character in numeric input"},
      {"an empty line at the end", "1,2,3\n\n", "Attempt to read past end of file"},
      {"an empty line inside", "1,2,3\n\n4,5,6\n", "Attempt to read past end of file"},
      {"a short record", "1,2\n", "Attempt to read past end of file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.write("Crosses.csv", c.contents);
    const auto run = test::run_built_program(dir, "\n");
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.err, std::string("? Tillerfold stopped: a file or console operation failed\n? ") +
                           c.message + "\n? Reading Crosses.csv on the file channel\n");
    EXPECT_EQ(after_banner(run.out), kClosedPrompt + kCreating);
  }
}

TEST(Intake, ValidCrossesGoOnToTheMenu) {
  TF_SKIP_WITHOUT_FROZEN_CLOCK();
  struct Case {
    const char* name;
    std::string crosses;
    std::string balance;
  };
  const Case cases[] = {
      {"no records: an empty game", "", "250000."},
      {"2000 plants", "1,2,2000\n", "249975."},
      {"a single self-cross", "5,5,10\n", "249975."},
      {"blanks for commas and a fourth value", "3 7 10 99\n2,4,0\n", "249950."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.add_genome_files();
    dir.write("Crosses.csv", c.crosses);
    // The closed-file prompt takes the one line; the input then ends at the menu.
    const auto run = test::run_built_program(dir, "\n");
    EXPECT_EQ(run.status, 255);
    EXPECT_NE(run.out.find("          --->>> Remaining balance: $      " + c.balance +
                           "\n   \n   \n  ---------------\n   \n"
                           "  Enter the number corresponding to the next task:\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("  Task : "), std::string::npos);
  }
}

}  // namespace
}  // namespace tf
