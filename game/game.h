// Everything one game owns: the console, the file channel, the tables and the
// state. Created by the main program and handed to the steps of the run.
#pragma once

#include <array>

#include "state/tables.h"
#include "text/console.h"
#include "text/file_channel.h"

namespace tf {

struct Game {
  Console& con;
  FileChannel& files;
  GameState state;
  CrossTables crosses;
  GenomeTables genome;
  EntryTable entries;
  ResultColumns columns;
  std::array<double, NTRAIT> ve = {};  // VE: plot error variance per trait
};

// The common end of a game: two spacer lines, " Press <Enter> to EXIT", an
// Enter wait, a spacer line. Returns the exit status 0.
int ending_sequence(Console& con);

}  // namespace tf
