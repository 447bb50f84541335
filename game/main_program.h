// One run of the program is one game: start-up, task loop, ending.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>

#include "game/ending.h"

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

// One game on `io`, ending with one of the exit statuses of game/ending.h;
// every failure that leaves it (a fatal I/O error, exhausted memory, an
// internal error) is reported on `io.err`.
int run_game(const GameIo& io);

// The real program: one game on the standard streams in the working
// directory, seeded from the clock, with the same report for a failure of
// the set-up itself.
int run_program();

}  // namespace tf
