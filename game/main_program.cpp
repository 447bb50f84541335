#include "game/main_program.h"

#include <cerrno>
#include <new>
#include <ostream>
#include <string>

#include "game/game.h"
#include "game/intake.h"
#include "game/seeder.h"
#include "game/startup.h"
#include "game/task_loop.h"
#include "results/results_table.h"
#include "text/console.h"
#include "text/fatal.h"
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

// The run until its end; a fatal I/O error leaves it by exception, after
// the file channel has closed whatever it held.
int play(const GameIo& io, Console& con) {
  FileChannel files(io.dir);
  Game game{con, files, {}, {}, {}, {}, {}, {}};
  if (const std::optional<int> ended = start_up(game, io.seed)) return *ended;
  return task_loop(game);
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

int ending_sequence(Console& con) {
  con.spacer();
  con.spacer();
  con.free_line(" Press <Enter> to EXIT");
  con.enter_wait();
  con.spacer();
  return kExitNormal;
}

namespace {

int fatal_report(std::ostream& err, const FatalIoError& e) {
  err << "? " << e.header() << '\n' << "? " << e.message() << '\n' << "? " << e.operation() << '\n';
  err.flush();
  return kExitFatal;
}

}  // namespace

int run_game(const GameIo& io) {
  Console con(io.in, io.out, io.err);
  try {
    return play(io, con);
  } catch (const FatalIoError& e) {
    return fatal_report(io.err, e);
  } catch (const std::bad_alloc&) {
    // Memory that runs out anywhere but in the creation of the table groups
    // (which have their own message) ends the run like a failed operation.
    return fatal_report(io.err, FatalIoError::system(ENOMEM, "Allocating memory"));
  }
}

}  // namespace tf
