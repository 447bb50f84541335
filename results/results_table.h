// Results.csv in the results-table layout: three header rows (locations,
// LSDs, column names) and one row per kept entry with every value column.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "state/tables.h"
#include "text/console.h"
#include "text/file_channel.h"

namespace tf {

// The name of the file that the player edits between tasks.
constexpr const char* kResultsFile = "Results.csv";

// The first cells of the three header rows, as output writes them: the
// locations row and the LSD row begin with this mark, the column-name row
// with the ID column's name, COLHEAD(1).
constexpr std::string_view kHeaderMark = "--";
constexpr std::string_view kIdColumnName = FIXEDCOLHEAD[0];

// Opens Results.csv for writing from its start; while another program holds
// it, asks the player to close it and tries again after <Enter>.
void open_results_for_write(Console& con, FileChannel& files);

// Writes Results.csv anew from the tables: the header rows for the first
// `columns.ncol` value columns, then the row of each entry whose KEEP is 1,
// in entry order. Nothing of the file's old contents survives. While another
// program holds the file, the player is asked to close it.
void output(Console& con, FileChannel& files, const EntryTable& entries,
            const ResultColumns& columns);

// The start of an entry's row, shared by the results table and the F2
// prediction table: ID in 6, parent 1 and parent 2 in 2 characters each.
// `values` follow, each in COLWIDTH characters with 2 decimals; then the
// line feed.
std::string entry_row(const EntryTable& entries, std::size_t e, const double* values,
                      std::size_t count);

}  // namespace tf
