#include "game/main_program.h"

#include <new>
#include <ostream>
#include <string>

#include "game/account.h"
#include "game/console.h"
#include "game/fatal.h"
#include "game/file_channel.h"
#include "game/game.h"
#include "game/genome_data.h"
#include "game/intake.h"
#include "game/startup.h"
#include "game/task_loop.h"
#include "genetics/effects.h"
#include "genetics/population.h"

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
void reset_results(FileChannel& files) {
  files.open_write("Results.csv");
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

// The run until its end; a fatal I/O error leaves it by exception, after
// the file channel has closed whatever it held.
int play(const GameIo& io, Console& con) {
  FileChannel files(io.dir);
  Game game{con, files, {}, {}, {}, {}, {}, {}};
  GameState& state = game.state;

  banner(con);
  if (io.seed) {
    state.stream.idum = *io.seed;
  } else {
    seeder(state.stream, state.errflag);
  }
  reset_results(files);

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
  return task_loop(game);
}

}  // namespace

// The genome data, the F2 plants, the initial state and the start charge.
void start_game(Game& game) {
  GenomeTables& g = game.genome;
  EntryTable& en = game.entries;
  GameState& s = game.state;
  load_locus_map(game.files, g.locmap);
  load_parent_genotypes(game.files, g.pargeno);
  geneffects(g.locmap, g.qtleff);
  game.ve = plot_error_variances();
  load_marker_effects(game.files, g.mrkeff);
  f2plant(game.con, GenomeModel{g.locmap, g.qtleff, g.pargeno, g.mrkeff}, game.crosses.crosspar,
          game.crosses.crosssize, s.stream, en.geno, en.plantpar, en.fhbstat_f2, en.pred_f2);
  for (std::size_t e = 0; e < en.nplant(); ++e) {
    en.id[e] = static_cast<std::int32_t>(e + 1);
    en.keep[e] = 1;
    en.pheno[e].fill(0.0);
  }
  s.stage = 0;
  s.task = 0;
  s.year = 1;
  s.fhbdone = s.gwsf2done = s.gwsridone = s.phenodone = 0;
  game.columns.ncol = 0;
  game.columns.nlocs.fill(0);
  game.columns.lsd.fill(0.0F);
  // The start charge is never refused in practice (at most 120 crosses) and
  // its outcome is not examined.
  budget(game.con, static_cast<std::int32_t>(game.crosses.ncross()), 0, s.balance, s.overflag);
}

int ending_sequence(Console& con) {
  con.spacer();
  con.spacer();
  con.free_line(" Press <Enter> to EXIT");
  con.enter_wait();
  con.spacer();
  return kExitNormal;
}

int run_game(const GameIo& io) {
  Console con(io.in, io.out, io.err);
  try {
    return play(io, con);
  } catch (const FatalIoError& e) {
    io.err << "? " << e.header() << '\n'
           << "? " << e.message() << '\n'
           << "? " << e.operation() << '\n';
    io.err.flush();
    return kExitFatal;
  }
}

}  // namespace tf
