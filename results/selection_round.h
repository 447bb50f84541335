// The round that closes every task that writes a table for the player:
// Results.csv written, the task's report, the three editing instructions and
// the player's selection read back into KEEP.
#pragma once

#include <string_view>

#include "state/tables.h"
#include "text/console.h"
#include "text/file_channel.h"

namespace tf {

// With the results table: the header rows of the first `columns.ncol` value
// columns and every kept entry. `report` is the report line as shown (for
// instance "  Genomewide predictions done"), printed between a rule and a
// spacer.
void select_from_results_table(Console& con, FileChannel& files, EntryTable& entries,
                               const ResultColumns& columns, std::string_view report);

// The same with the F2 prediction table and its read-back.
void select_from_f2_table(Console& con, FileChannel& files, EntryTable& entries,
                          std::string_view report);

}  // namespace tf
