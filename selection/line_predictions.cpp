#include "selection/line_predictions.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "game/fixed_data.h"
#include "game/text_format.h"
#include "trials/readback.h"
#include "trials/results_table.h"

namespace tf {

void gwsri(Game& game) {
  Console& con = game.con;
  EntryTable& entries = game.entries;
  ResultColumns& columns = game.columns;

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

  output(game.con, game.files, entries, columns);

  con.spacer();
  con.rule();
  con.spacer();
  con.free_line(" Genomewide predictions done");
  con.spacer();
  const ReadbackLayout& layout = results_readback();
  editing_instructions(con, layout);
  read_back(con, game.files, entries.keep, layout);
}

}  // namespace tf
