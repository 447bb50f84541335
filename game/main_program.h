// One run of the program is one game: start-up, task loop, ending.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>

#include "game/game.h"

namespace tf {

// Where a game talks and keeps its files. The real program passes the
// standard streams, the working directory (an empty path: names relative to
// it) and no seed (the clock seeds the stream); tests pass their own.
struct GameIo {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  std::filesystem::path dir;
  std::optional<std::int32_t> seed;
};

// Exit status of a run: 0 after the ending sequence, 255 after the fatal
// report or the internal-error report, 2 after a table group that could not
// be created.
constexpr int kExitNormal = 0;
constexpr int kExitFatal = 255;
constexpr int kExitNoMemory = 2;

// One game on `io`; every failure that leaves it (a fatal I/O error,
// exhausted memory, an internal error) is reported on `io.err` and gives the
// exit status.
int run_game(const GameIo& io);

// The real program: one game on the standard streams in the working
// directory, seeded from the clock, with the same report for a failure of
// the set-up itself.
int run_program();

// The start-up, from the banner to the start charge: the stream seeded from
// `seed` (from the clock when there is none), Results.csv reset, the crosses
// read and checked, the tables created, the genome loaded and the F2 plants
// made. Returns the exit status when the game ends before its first menu
// (crosses rejected, tables that could not be created), else nothing.
std::optional<int> start_up(Game& game, std::optional<std::int32_t> seed);

}  // namespace tf
