// The read-back of the player's selection from Results.csv: after the player
// has pruned the file in a spreadsheet program, its header rows are checked
// and KEEP is rewritten from the IDs that stand first on the rows below them.
//
// One procedure serves every table layout; a layout says what differs: the
// header rows and their first values, what is printed when they were changed
// and where the dialogue goes on from there, and the name of the ID column.
//
// Steps: A prints two lines and waits for <Enter>; B opens the file and checks
// the header rows; C opens it again and counts its lines; D opens it a third
// time and reads the first value of every row after the header rows. A file
// that cannot be opened in B or C (held by another program, missing, a folder)
// sends the dialogue back to A. Slips the player can mend while the game
// waits are never fatal:
//  - too few rows with a value, or a header row whose first field is empty,
//    fails the header check;
//  - empty lines and lines of blanks are passed over and hold no ID;
//  - a quoted first value runs over line ends to its closing quote, as a
//    spreadsheet saves a cell with a line break, and the next row begins
//    after the line where it closed; a quote that never closes runs to the
//    end of the file;
//  - a row whose first value is not an integer is reported with its line
//    number ("  Row 7 of the CSV file does not begin with a Line_ID number")
//    and the dialogue goes back to A;
//  - IDs outside 1..NPLANT are passed over, and a row whose first field is
//    empty marks nothing new.
// KEEP changes only once the whole file has been read without such a fault.
// A file that cannot be opened in D ends the run with the fatal report.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "text/console.h"
#include "text/file_channel.h"

namespace tf {

// One line of a console block.
struct ConsoleItem {
  enum class Kind { kSpacer, kRule, kFree };
  Kind kind;
  std::string_view text;  // the free-form line's text
};

// A header row: its first value, cut or padded to `width` characters, must
// equal `expected` byte for byte.
struct HeaderCheck {
  int width;
  std::string_view expected;
};

// The check of a header row whose first value must be `text` itself.
constexpr HeaderCheck header_check(std::string_view text) {
  return {static_cast<int>(text.size()), text};
}

struct ReadbackLayout {
  std::vector<HeaderCheck> headers;
  // The second of the three editing instructions, naming the header rows.
  std::string_view header_instruction;
  // Printed once when a header row does not pass.
  std::vector<ConsoleItem> failure_block;
  // After the failure block: true waits for <Enter> and checks the header
  // rows again; false goes back to step A (its two lines and its wait).
  bool failure_waits;
  // The ID column's name in the message about a row without an ID.
  std::string_view id_name;
};

// The results table: three header rows "--", "--", "Line_ID".
const ReadbackLayout& results_readback();

// The three editing instructions that precede every read-back.
void editing_instructions(Console& con, const ReadbackLayout& layout);

// Steps A to D; returns once `keep` holds 1 exactly for the IDs in the file.
void read_back(Console& con, FileChannel& files, std::vector<std::int32_t>& keep,
               const ReadbackLayout& layout);

}  // namespace tf
