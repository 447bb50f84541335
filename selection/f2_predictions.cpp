#include "selection/f2_predictions.h"

#include "results/f2_table.h"
#include "results/readback.h"

namespace tf {

void gwsf2(Game& game) {
  Console& con = game.con;
  write_f2_table(game.files, game.entries);

  con.spacer();
  con.rule();
  con.spacer();
  con.free_line(" Genomewide predictions done");
  con.spacer();
  const ReadbackLayout& layout = f2_readback();
  editing_instructions(con, layout);
  read_back(con, game.files, game.entries.keep, layout);
}

}  // namespace tf
