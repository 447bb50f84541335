#include "results/readback.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/scripted_game.h"
#include "text/fatal.h"

namespace tf {
namespace {

using test::kStepA;
using test::ScriptedGame;

const std::string kRow1 = "--          ,--          ,[N_Locs=>]  ,  4\n";
const std::string kRow2 = "--          ,--          ,[LSD(10%)=>],   11.42\n";
const std::string kRow3 = "Line_ID     ,Parent_1    ,Parent_2    ,Yield_Y1    \n";
const std::string kHeader = kRow1 + kRow2 + kRow3;

std::string data_row(const std::string& id) { return id + ", 3,12,       97.25\n"; }

// The table as written with entries 3, 7 and 12 kept.
const std::string kWritten = kHeader + data_row("     3") + data_row("     7") + data_row("    12");

const std::string kCorrection =
    "   \n"
    "  ---------------\n"
    "   \n"
    "  Header rows have been changed; make sure the\n"
    "  first 3 rows have the following in the first column:\n"
    "   \n"
    "    Row 1: \"--\"\n"
    "    Row 2: \"--\"\n"
    "    Row 3: \"Line_ID\"\n"
    "   \n"
    "  - After making the corrections, SAVE and CLOSE the CSV file\n"
    "    then return to this window and press <Enter> to continue\n";

std::string row_message(int line) {
  return "  Row " + std::to_string(line) +
         " of the CSV file does not begin with a Line_ID number\n";
}

// What the player leaves in Results.csv before one <Enter>.
struct Saved {
  enum class Kind { kBytes, kMissing, kFolder };
  Kind kind;
  std::string bytes;
};
Saved bytes(std::string b) { return {Saved::Kind::kBytes, std::move(b)}; }
const Saved kMissing{Saved::Kind::kMissing, {}};
const Saved kFolder{Saved::Kind::kFolder, {}};

struct Case {
  const char* name;
  std::vector<Saved> saves;  // one per <Enter>
  std::vector<std::int32_t> kept;
  std::string console;
};

const std::string kGood = kHeader + data_row("3") + data_row("12");

std::vector<Case> cases() {
  const std::string bom = "\xEF\xBB\xBF";
  return {
      {"7 deleted and 5 added",
       {bytes(kHeader + data_row("     3") + data_row("    12") + data_row("5"))},
       {3, 5, 12},
       kStepA},
      {"rows moved and repeated", {bytes(kHeader + "12\n3,x\n12,1\n")}, {3, 12}, kStepA},
      {"every data row deleted", {bytes(kHeader)}, {}, kStepA},
      {"spreadsheet style: quotes, CRLF, rows of bare commas",
       {bytes("\"--\",\"--\",\"[N_Locs=>]\",4\r\n\"--\",\"--\",\"[LSD(10%)=>]\",11.42\r\n"
              "\"Line_ID\",\"Parent_1\",\"Parent_2\",\"Yield_Y1\"\r\n3,3,12,97.25\r\n"
              "7,1,9,101.4\r\n,,,\r\n,,,\r\n")},
       {3, 7},
       kStepA},
      {"three hyphens and more in rows 1 and 2",
       {bytes("---,x\n--more,y\n" + kRow3 + "7\n")},
       {7},
       kStepA},
      {"blanks before the header values", {bytes("   --\n  --,\n   Line_ID\n7\n")}, {7}, kStepA},
      {"Line_ID with a letter added", {bytes(kRow1 + kRow2 + "Line_IDs,a\n12\n")}, {12}, kStepA},
      {"lower-case line_id, then corrected",
       {bytes(kRow1 + kRow2 + "line_id,a\n3\n"), bytes(kGood)},
       {3, 12},
       kStepA + kCorrection},
      {"a shorter prefix of Line_ID, then corrected",
       {bytes(kRow1 + kRow2 + "Line\n3\n"), bytes(kGood)},
       {3, 12},
       kStepA + kCorrection},
      {"a row above the header rows, then corrected",
       {bytes("5,3,12\n" + kWritten), bytes(kGood)},
       {3, 12},
       kStepA + kCorrection},
      {"header rows deleted, then corrected",
       {bytes(data_row("3") + data_row("7") + data_row("12")), bytes(kGood)},
       {3, 12},
       kStepA + kCorrection},
      {"a byte-order mark saved twice, then not",
       {bytes(bom + kWritten), bytes(bom + kGood), bytes(kGood)},
       {3, 12},
       kStepA + kCorrection + kCorrection},
      {"an empty file, then the table", {bytes(""), bytes(kGood)}, {3, 12}, kStepA + kCorrection},
      {"two lines only, then the table",
       {bytes(kRow1 + "\n   \n" + kRow2), bytes(kGood)},
       {3, 12},
       kStepA + kCorrection},
      {"an empty first field in a header row, then corrected",
       {bytes(kRow1 + ",--,x\n" + kRow3 + "3\n"), bytes(kGood)},
       {3, 12},
       kStepA + kCorrection},
      {"a slash first in a header row, then corrected",
       {bytes("/\n" + kRow2 + kRow3 + "3\n"), bytes(kGood)},
       {3, 12},
       kStepA + kCorrection},
      {"file missing at step B, then back", {kMissing, bytes(kGood)}, {3, 12}, kStepA + kStepA},
      {"a folder named Results.csv, then the file",
       {kFolder, bytes(kGood)},
       {3, 12},
       kStepA + kStepA},
      {"an empty line after the last row", {bytes(kGood + "\n")}, {3, 12}, kStepA},
      {"empty lines and blanks among the rows, the header rows too",
       {bytes(kRow1 + "\n" + kRow2 + "  \t \n" + kRow3 + "\n3\n\n   \n12\n\n")},
       {3, 12},
       kStepA},
      {"lines of commas after the last row", {bytes(kGood + ",,,\n,,,\n,\n")}, {3, 12}, kStepA},
      {"an empty first field after an ID", {bytes(kHeader + "3\n,12\n")}, {3}, kStepA},
      {"an empty first field on the first data row",
       {bytes(kHeader + ",3\n/\n12\n")},
       {12},
       kStepA},
      {"IDs 0, -1 and above NPLANT are passed over",
       {bytes(kHeader + "0\n-1\n13\n2147483647\n7\n")},
       {7},
       kStepA},
      {"a word in the first field, then corrected",
       {bytes(kHeader + data_row("3") + "Line_ID,Parent_1\n12\n"), bytes(kGood)},
       {3, 12},
       kStepA + row_message(5) + kStepA},
      {"a decimal number, counted after empty lines",
       {bytes(kHeader + "\n3\n\n7.0\n"), bytes(kGood)},
       {3, 12},
       kStepA + row_message(7) + kStepA},
      {"a quoted ID",
       {bytes(kHeader + "\"3\"\n"), bytes(kGood)},
       {3, 12},
       kStepA + row_message(4) + kStepA},
      // A cell with a line break in it, as spreadsheets save it: the quoted
      // first value goes on over the line ends to its closing quote.
      {"header row 1 quoted over one line end",
       {bytes("\"--\n\"          ,--          ,[N_Locs=>]  ,  4\n" + kRow2 + kRow3 + "3\n7\n")},
       {3, 7},
       kStepA},
      {"header row 3 quoted over several line ends, a wrong ID after them",
       {bytes(kRow1 + kRow2 + "\"Line\n\n_ID\r\n\",Parent_1\n3\nx\n"), bytes(kGood)},
       {3, 12},
       kStepA + row_message(8) + kStepA},
      {"a data row's quote over line ends",
       {bytes(kHeader + "3\n\"7\n\"\n12\n"), bytes(kGood)},
       {3, 12},
       kStepA + row_message(5) + kStepA},
      {"an unclosed quote above the header rows, then corrected",
       {bytes("\"junk\n" + kWritten), bytes(kGood)},
       {3, 12},
       kStepA + kCorrection},
      {"an unclosed quote in header row 2, then corrected",
       {bytes(kRow1 + "\"--,x\n" + kRow3 + "3\n"), bytes(kGood)},
       {3, 12},
       kStepA + kCorrection},
  };
}

class ReadBackTest : public ::testing::Test {
 protected:
  ScriptedGame g{12};
};

TEST(ReadBack, EditedFilesGiveTheKeepSetAndTheDialogue) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    ScriptedGame game(12);
    game.keep_only({3, 7, 12});
    game.set_results(kWritten);
    const std::vector<std::int32_t> before = game.game.entries.keep;
    for (std::size_t i = 0; i < c.saves.size(); ++i) {
      const Saved save = c.saves[i];
      const std::filesystem::path path = game.results_path();
      auto* keep = &game.game.entries.keep;
      game.enter([save, path, keep, before] {
        // Nothing is changed by a read-back that has not yet succeeded.
        EXPECT_EQ(*keep, before);
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
        if (save.kind == Saved::Kind::kBytes) test::write_file(path, save.bytes);
        if (save.kind == Saved::Kind::kFolder) std::filesystem::create_directory(path);
      });
    }
    read_back(game.con, game.files, game.game.entries.keep, results_readback());
    EXPECT_EQ(game.kept(), c.kept);
    EXPECT_EQ(game.out.str(), c.console);
    EXPECT_EQ(game.err.str(), "");
    EXPECT_EQ(game.input.taken(), c.saves.size());
    EXPECT_FALSE(game.files.is_open());
  }
}

TEST_F(ReadBackTest, MissingFileIsNotCreated) {
  g.enter([this] { EXPECT_FALSE(std::filesystem::exists(g.results_path())); });
  g.save_then_enter(kGood);
  read_back(g.con, g.files, g.game.entries.keep, results_readback());
  EXPECT_EQ(g.kept(), (std::vector<std::int32_t>{3, 12}));
  EXPECT_EQ(g.out.str(), kStepA + kStepA);
}

TEST_F(ReadBackTest, ReadingLeavesTheFileAsSaved) {
  const std::string saved = kHeader + "7\n\n";
  g.save_then_enter(saved);
  read_back(g.con, g.files, g.game.entries.keep, results_readback());
  EXPECT_EQ(g.results(), saved);
}

TEST_F(ReadBackTest, ConsoleInputEndingAtTheWaitIsFatal) {
  g.set_results(kWritten);
  try {
    read_back(g.con, g.files, g.game.entries.keep, results_readback());
    FAIL() << "no fatal report";
  } catch (const FatalIoError& e) {
    EXPECT_EQ(e.message(), "Attempt to read past end of file");
  }
  EXPECT_EQ(g.out.str(), kStepA);
  EXPECT_EQ(g.kept().size(), 12U);
}

TEST_F(ReadBackTest, FileGoneAtTheLastOpenIsFatal) {
  // Steps B and C open the file; the open of step D has no retry.
  g.files.fail_opens("rb", 2, 1, ENOENT);
  g.save_then_enter(kGood);
  try {
    read_back(g.con, g.files, g.game.entries.keep, results_readback());
    FAIL() << "no fatal report";
  } catch (const FatalIoError& e) {
    EXPECT_EQ(e.header(), FatalIoError::kSystemHeader);
    EXPECT_EQ(e.message(), std::strerror(ENOENT));
    EXPECT_EQ(e.operation(), "Opening Results.csv on the file channel");
  }
  EXPECT_EQ(g.kept().size(), 12U);
  EXPECT_FALSE(g.files.is_open());
}

TEST(EditingInstructions, NameTheThreeHeaderRows) {
  ScriptedGame g(0);
  editing_instructions(g.con, results_readback());
  EXPECT_EQ(g.out.str(),
            "  - Open the RESULTS.CSV file in Excel\n"
            "  - Do NOT change or delete the 3 header rows\n"
            "  - Delete the rows for the entries you do not wish to keep\n");
}

}  // namespace
}  // namespace tf
