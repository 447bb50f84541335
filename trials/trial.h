// Field trials of the inbred lines: task 4 for yield and protein, task 5 for
// Fhb, task 6 for all three traits. One design, told by a table of what the
// kinds of trial differ in.
#pragma once

#include <array>

#include "state/tables.h"
#include "text/console.h"
#include "text/file_channel.h"

namespace tf {

enum class TrialOutcome {
  kDone,      // the trial ran and the player's selection has been read back
  kGameEnds,  // funds too short even for one location: the game ends
};

// Asks for the number of locations, charges the plots of the kept entries
// (asking again while the funds fall short), appends one value column per
// trait with plot errors of variance `ve` (VE, per trait), writes
// Results.csv, reports the trial and reads the selection back into KEEP.
// Returns kGameEnds, with nothing charged, drawn or appended, when the charge
// at the smallest counts (one location per prompt) was refused. The trial
// year (`state.year`) is advanced by the caller.
TrialOutcome phenyldprot(Console& con, FileChannel& files, GameState& state, EntryTable& entries,
                         ResultColumns& columns, const std::array<double, NTRAIT>& ve);  // task 4
TrialOutcome phenfhb(Console& con, FileChannel& files, GameState& state, EntryTable& entries,
                     ResultColumns& columns, const std::array<double, NTRAIT>& ve);  // task 5
TrialOutcome phen3(Console& con, FileChannel& files, GameState& state, EntryTable& entries,
                   ResultColumns& columns, const std::array<double, NTRAIT>& ve);  // task 6

}  // namespace tf
