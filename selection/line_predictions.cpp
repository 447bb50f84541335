#include "selection/line_predictions.h"

#include <cstddef>

#include "results/selection_round.h"
#include "state/fixed_data.h"

namespace tf {

void gwsri(Console& con, FileChannel& files, EntryTable& entries, ResultColumns& columns) {
  const std::size_t first = add_value_columns(columns, NTRAIT);
  for (std::size_t t = 0; t < NTRAIT; ++t) {
    for (std::size_t e = 0; e < entries.nplant(); ++e) {
      entries.pheno[e][first + t] = entries.pred_ri[e][t];
    }
    set_column_head(columns, first + t, TRAITNAME[0][t]);
  }

  select_from_results_table(con, files, entries, columns, "  Genomewide predictions done");
}

}  // namespace tf
