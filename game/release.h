// Task 99: the player names one inbred line, which is judged by its true
// genotypic values against the protein and Fhb standards.
#pragma once

#include "state/tables.h"
#include "text/console.h"

namespace tf {

// The Line ID answer loop, the report and the verdict. The ending sequence
// follows in the caller. `entries.g_ri` must be on the trait scale.
void release_check(Console& con, GameState& state, EntryTable& entries);

}  // namespace tf
