#include "selection/line_predictions.h"

#include <cstddef>

#include "results/selection_round.h"
#include "state/fixed_data.h"

namespace tf {

void gwsri(Console& con, FileChannel& files, EntryTable& entries, ResultColumns& columns) {
  add_value_columns(
      columns, entries, NTRAIT, "gwsri", [](std::size_t t) { return ColumnHead{TRAITNAME[0][t]}; },
      [&entries](std::size_t t, std::size_t e) { return entries.pred_ri[e][t]; });

  select_from_results_table(con, files, entries, columns, "  Genomewide predictions done");
}

}  // namespace tf
