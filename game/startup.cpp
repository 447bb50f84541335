#include "game/startup.h"

#include "game/genome_data.h"
#include "game/populations.h"
#include "genetics/effects.h"
#include "state/account.h"

namespace tf {

void start_game(Game& game) {
  GenomeTables& g = game.genome;
  EntryTable& en = game.entries;
  GameState& s = game.state;
  load_locus_map(game.files, g.locmap);
  load_parent_genotypes(game.files, g.pargeno);
  geneffects(g.locmap, g.qtleff);
  game.ve = plot_error_variances();
  load_marker_effects(game.files, g.mrkeff);
  make_f2_plants(game.con, g, game.crosses, s.stream, en);
  for (std::size_t e = 0; e < en.nplant(); ++e) {
    en.id[e] = number_of(e);
    en.keep[e] = 1;
    en.pheno[e].fill(0.0);
  }
  s.stage = Stage::kF2;
  s.task = 0;
  s.year = 1;
  s.fhbdone = s.gwsf2done = s.gwsridone = s.phenodone = 0;
  game.columns.ncol = 0;
  game.columns.nlocs.fill(0);
  game.columns.lsd.fill(0.0F);
  // The start charge is never refused in practice (at most 120 crosses) and
  // its outcome is not examined.
  budget(game.con, static_cast<std::int32_t>(game.crosses.ncross()), TaskCode::kStartCharge,
         s.balance, s.overflag);
}

}  // namespace tf
