#include "game/startup.h"

#include <new>
#include <string>

#include "game/ending.h"
#include "game/genome_data.h"
#include "game/intake.h"
#include "game/populations.h"
#include "game/seeder.h"
#include "genetics/effects.h"
#include "results/results_table.h"
#include "state/account.h"
#include "text/console.h"
#include "text/file_channel.h"

namespace tf {

namespace {

void banner(Console& con) {
  con.spacer();
  con.free_line("Tillerfold - Amberline Version");
  con.free_line("-------------------------------------------------");
  con.spacer();
  con.spacer();
}

// Results.csv starts every run as one line of three blanks.
void reset_results(Console& con, FileChannel& files) {
  open_results_for_write(con, files);
  files.write("   \n");
  files.close();
}

// Creates one group of tables; when any cannot be created, says so, waits
// for <Enter> and tells the caller to end the run.
template <typename Create>
bool create_group(Console& con, const char* group, Create create) {
  try {
    create();
    return true;
  } catch (const std::bad_alloc&) {
    con.free_line(std::string(" Allocation error, ") + group);
    con.free_line(" Press <Enter> to exit");
    con.enter_wait();
    return false;
  }
}

// Once the entry table is created: the genome files, the effect table and
// VE, the F2 plants, the entries' IDs and KEEP, and the start charge. The
// game state and the value columns hold their starting values from their
// construction, and the entry table its zeros from its creation; the game is
// made anew for every run.
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
  }
  // The start charge is never refused in practice (at most 120 crosses) and
  // its outcome is not examined.
  budget(game.con, static_cast<std::int32_t>(game.crosses.ncross()), TaskCode::kStartCharge,
         s.balance, s.overflag);
}

}  // namespace

std::optional<int> start_up(Game& game, std::optional<std::int32_t> seed) {
  Console& con = game.con;
  FileChannel& files = game.files;
  GameState& state = game.state;

  banner(con);
  if (seed) {
    state.stream.idum = *seed;
  } else {
    seeder(state.stream, state.errflag);
  }
  reset_results(con, files);

  const std::int32_t ncross = crosses_first_half(con, files);
  if (!create_group(con, "Main 1", [&] {
        game.crosses.create(static_cast<std::size_t>(ncross));
        game.genome.create();
      })) {
    return kExitNoMemory;
  }
  const std::int32_t nplant = crosses_second_half(con, files, game.crosses, state.errflag);
  if (state.errflag == 1) return ending_sequence(con);
  if (!create_group(con, "Main 2",
                    [&] { game.entries.create(static_cast<std::size_t>(nplant)); })) {
    return kExitNoMemory;
  }

  start_game(game);
  return std::nullopt;
}

}  // namespace tf
