#include "results/readback.h"

#include <cstddef>
#include <string>

#include "results/results_table.h"
#include "state/tables.h"
#include "text/free_format.h"
#include "text/text_format.h"

namespace tf {

namespace {

// Each row's first value is read in free format from the rows on: blank
// lines are passed over, and a quoted value that opens on a row and closes
// on a later one takes those rows with it. A row without a value before the
// end of the file reads as kEnd.

// Step B's check of the open file: every header row is read, whatever the
// rows before it gave.
bool headers_match(LineSource& source, const ReadbackLayout& layout) {
  bool match = true;
  std::string line;
  for (const HeaderCheck& check : layout.headers) {
    std::string value;
    if (read_value(source, Item::text(value, check.width), line) != ValueRead::kValue ||
        value != text_field(check.expected, check.width)) {
      match = false;
    }
  }
  return match;
}

// Step C's count: the lines after the header rows, empty ones included.
std::int64_t count_data_lines(LineSource& source, const ReadbackLayout& layout) {
  std::string line;
  while (source.next_line(line)) continue;
  return source.lines_taken() - static_cast<std::int64_t>(layout.headers.size());
}

// Step D's reading of the open file: up to `ndata` rows with a first value
// after the header rows. Marks each ID in 1..NPLANT in `marked`; returns 0, or
// the line number (counted from 1) of a row whose first value is no integer.
std::int64_t read_ids(LineSource& source, const ReadbackLayout& layout, std::int64_t ndata,
                      std::vector<char>& marked) {
  std::string line;
  std::string discarded;
  for (std::size_t h = 0; h < layout.headers.size(); ++h) {
    if (read_value(source, Item::text(discarded, COLWIDTH), line) == ValueRead::kEnd) return 0;
  }
  std::int32_t id = 0;
  for (std::int64_t reads = 0; reads < ndata; ++reads) {
    switch (read_value(source, Item::integer(id), line)) {
      case ValueRead::kEnd:
        return 0;
      case ValueRead::kUnreadable:
        return source.lines_taken();
      case ValueRead::kValue:
        if (id >= 1 && static_cast<std::size_t>(id) <= marked.size()) {
          marked[index_of(id)] = 1;
        }
        break;
      case ValueRead::kNull:
        // The ID of the row before stays and would only be marked again.
        break;
    }
  }
  return 0;
}

void print_block(Console& con, const std::vector<ConsoleItem>& block) {
  for (const ConsoleItem& item : block) {
    switch (item.kind) {
      case ConsoleItem::Kind::kSpacer:
        con.spacer();
        break;
      case ConsoleItem::Kind::kRule:
        con.rule();
        break;
      case ConsoleItem::Kind::kFree:
        con.free_line(item.text);
        break;
    }
  }
}

}  // namespace

const ReadbackLayout& results_readback() {
  using Kind = ConsoleItem::Kind;
  // The correction block quotes the first cell of each header row.
  const auto quoted = [](int row, std::string_view first) {
    return "   Row " + std::to_string(row) + ": \"" + std::string(first) + '"';
  };
  static const std::string row1 = quoted(1, kHeaderMark);
  static const std::string row2 = quoted(2, kHeaderMark);
  static const std::string row3 = quoted(3, kIdColumnName);
  static const ReadbackLayout layout{
      {header_check(kHeaderMark), header_check(kHeaderMark), header_check(kIdColumnName)},
      " - Do NOT change or delete the 3 header rows",
      {
          {Kind::kSpacer, {}},
          {Kind::kRule, {}},
          {Kind::kSpacer, {}},
          {Kind::kFree, " Header rows have been changed; make sure the"},
          {Kind::kFree, " first 3 rows have the following in the first column:"},
          {Kind::kSpacer, {}},
          {Kind::kFree, row1},
          {Kind::kFree, row2},
          {Kind::kFree, row3},
          {Kind::kSpacer, {}},
          {Kind::kFree, " - After making the corrections, SAVE and CLOSE the CSV file"},
          {Kind::kFree, "   then return to this window and press <Enter> to continue"},
      },
      true,
      kIdColumnName,
  };
  return layout;
}

void editing_instructions(Console& con, const ReadbackLayout& layout) {
  con.free_line(" - Open the RESULTS.CSV file in Excel");
  con.free_line(layout.header_instruction);
  con.free_line(" - Delete the rows for the entries you do not wish to keep");
}

void read_back(Console& con, FileChannel& files, std::vector<std::int32_t>& keep,
               const ReadbackLayout& layout) {
  bool instructions = true;
  for (;;) {
    // Step A.
    if (instructions) {
      con.free_line(" - After making your selections, SAVE and CLOSE the CSV file");
      con.free_line("   then return to this window and press <Enter> to continue");
      con.enter_wait();
    }
    instructions = true;

    // Step B.
    if (!files.try_open_read(kResultsFile)) continue;
    const bool match = headers_match(files.source(), layout);
    files.close();
    if (!match) {
      print_block(con, layout.failure_block);
      if (layout.failure_waits) {
        con.enter_wait();
        instructions = false;
      }
      continue;
    }

    // Step C.
    if (!files.try_open_read(kResultsFile)) continue;
    const std::int64_t ndata = count_data_lines(files.source(), layout);
    files.close();

    // Step D.
    files.open_read(kResultsFile);
    std::vector<char> marked(keep.size(), 0);
    const std::int64_t bad_row = read_ids(files.source(), layout, ndata, marked);
    files.close();
    if (bad_row != 0) {
      con.formatted_line("  Row " + std::to_string(bad_row) +
                         " of the CSV file does not begin with a " + std::string(layout.id_name) +
                         " number");
      continue;
    }
    for (std::size_t e = 0; e < keep.size(); ++e) keep[e] = marked[e] != 0 ? 1 : 0;
    return;
  }
}

}  // namespace tf
