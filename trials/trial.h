// Field trials of the inbred lines: task 4 for yield and protein, task 5 for
// Fhb, task 6 for all three traits. One design, told by a table of what the
// kinds of trial differ in.
#pragma once

#include "game/game.h"

namespace tf {

enum class TrialOutcome {
  kDone,      // the trial ran and the player's selection has been read back
  kGameEnds,  // funds too short even for one location: the game ends
};

// Asks for the number of locations, charges the plots of the kept entries
// (asking again while the funds fall short), appends one value column per
// trait, writes Results.csv, reports the trial and reads the selection back.
// Returns kGameEnds, with nothing charged, drawn or appended, when the charge
// at the smallest counts (one location per prompt) was refused. The trial
// year is advanced by the caller.
TrialOutcome phenyldprot(Game& game);  // task 4: yield and protein
TrialOutcome phenfhb(Game& game);      // task 5: Fhb
TrialOutcome phen3(Game& game);        // task 6: yield, protein and Fhb

}  // namespace tf
