#include "game/main_program.h"

#include <new>
#include <ostream>

#include "game/console.h"
#include "game/fatal.h"
#include "game/file_channel.h"
#include "game/game.h"

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
  return ending_sequence(con);
}

}  // namespace

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
