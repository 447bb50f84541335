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

}  // namespace tf
