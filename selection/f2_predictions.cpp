#include "selection/f2_predictions.h"

#include "results/selection_round.h"

namespace tf {

void gwsf2(Console& con, FileChannel& files, EntryTable& entries) {
  select_from_f2_table(con, files, entries, "  Genomewide predictions done");
}

}  // namespace tf
