#include "results/selection_round.h"

#include <cstdint>
#include <vector>

#include "results/f2_table.h"
#include "results/readback.h"
#include "results/results_table.h"

namespace tf {

namespace {

// What follows the writing of either table.
void report_and_read_back(Console& con, FileChannel& files, std::string_view report,
                          const ReadbackLayout& layout, std::vector<std::int32_t>& keep) {
  con.section_opening();
  con.formatted_line(report);
  con.spacer();
  editing_instructions(con, layout);
  read_back(con, files, keep, layout);
}

}  // namespace

void select_from_results_table(Console& con, FileChannel& files, EntryTable& entries,
                               const ResultColumns& columns, std::string_view report) {
  output(con, files, entries, columns);
  report_and_read_back(con, files, report, results_readback(), entries.keep);
}

void select_from_f2_table(Console& con, FileChannel& files, EntryTable& entries,
                          std::string_view report) {
  write_f2_table(con, files, entries);
  report_and_read_back(con, files, report, f2_readback(), entries.keep);
}

}  // namespace tf
