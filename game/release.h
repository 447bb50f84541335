// Task 99: the player names one inbred line, which is judged by its true
// genotypic values against the protein and Fhb standards.
#pragma once

#include "genetics/genome.h"
#include "state/tables.h"
#include "text/console.h"

namespace tf {

// The Fhb severity a line is judged and shown by: raised to the floor, the
// single-precision number nearest to 0.001.
double floored_fhb(double fhb);

// The release standards, compared with unrounded trait-scale values: protein
// from 8.995 to 12.00499 %, Fhb severity (floored) at most 5.00499 %.
bool meets_protein_standard(double protein);
bool meets_fhb_standard(double fhb);

// Both standards for a line's trait-scale values, its Fhb floored first.
bool meets_standards(const TraitValues& values);

// The Line ID answer loop, the report and the verdict. The ending sequence
// follows in the caller. `entries.g_ri` must be on the trait scale.
void release_check(Console& con, GameState& state, EntryTable& entries);

}  // namespace tf
