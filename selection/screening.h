// Task 1: the marker screening for the major Fhb resistance gene.
#pragma once

#include "state/tables.h"
#include "text/console.h"

namespace tf {

// Drops every kept entry that is not homozygous for the resistance allele:
// in the F2 stage (STAGE 0) each plant whose FHBSTAT_F2 is 0 or 1, in the
// line stage each line whose FHBSTAT_RI is 0. Entries dropped before are not
// looked at. Sets `state.nkept` to the entries kept afterwards and reports
// it.
void fhbqtl(Console& con, GameState& state, EntryTable& entries);

}  // namespace tf
