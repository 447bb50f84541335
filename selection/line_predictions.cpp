#include "selection/line_predictions.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "results/selection_round.h"
#include "state/fixed_data.h"
#include "text/text_format.h"

namespace tf {

void gwsri(Console& con, FileChannel& files, EntryTable& entries, ResultColumns& columns) {
  const std::size_t first = static_cast<std::size_t>(columns.ncol);
  if (first + NTRAIT > static_cast<std::size_t>(MAXCOL)) {
    throw std::logic_error("gwsri: no room for the prediction columns");
  }
  columns.ncol += NTRAIT;
  for (std::size_t e = 0; e < entries.nplant(); ++e) {
    for (std::size_t t = 0; t < NTRAIT; ++t) entries.pheno[e][first + t] = entries.pred_ri[e][t];
  }
  for (std::size_t t = 0; t < NTRAIT; ++t) {
    columns.colhead[3 + first + t] = text_field(TRAITNAME[0][t], 12);
  }

  select_from_results_table(con, files, entries, columns, "  Genomewide predictions done");
}

}  // namespace tf
