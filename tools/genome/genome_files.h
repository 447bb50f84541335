// Writers of the three genome data files: zForbidden.csv (locus table),
// zHandsOff.csv (parent genotypes) and zKeepOut.csv (marker effects).
#pragma once

#include <ostream>
#include <string>

#include "genetics/genome.h"

namespace tf {

// One line "code,chromosome,position" per locus, in genome order.
void write_locus_table(std::ostream& out, const LocusMap& locmap);

// One line per parent, in parent order: its NLOCI allele codes, comma separated.
void write_parents(std::ostream& out, const ParentGenotypes& pargeno);

// NCOEF lines of three reals (yield, protein, Fhb): the effects of markers
// 1..NMRK, then the intercepts.
void write_marker_effects(std::ostream& out, const MarkerEffects& mrkeff);

// A real as the files hold it: plain decimal with 12 decimals.
std::string format_real(double x);

// `mrkeff` with every value as it reads back from the file, so that figures
// computed from it are those of the shipped data.
MarkerEffects as_written(const MarkerEffects& mrkeff);

}  // namespace tf
