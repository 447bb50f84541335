// The genome model's three data files, read at every start, and the trait
// scale that brings raw genotypic values to trait units.
#pragma once

#include <array>
#include <vector>

#include "state/tables.h"
#include "text/file_channel.h"

namespace tf {

// zForbidden.csv: NLOCI records of locus code, chromosome, position. A code
// outside -NMRK..-1 and 1..NQTL would index outside the effect and score
// tables: it ends the run with the fatal report.
void load_locus_map(FileChannel& files, LocusMap& locmap);

// zHandsOff.csv: NPAR groups of NLOCI allele codes, each group beginning on a
// new line. A code other than 1 or 2 ends the run with the fatal report.
void load_parent_genotypes(FileChannel& files, ParentGenotypes& pargeno);

// zKeepOut.csv: NCOEF records of three reals, the marker effects and then
// the intercepts.
void load_marker_effects(FileChannel& files, MarkerEffects& mrkeff);

// VE per trait: ((SG^2 - SG^2 x H2) x 4) / H2 in double, H2 widened.
std::array<double, NTRAIT> plot_error_variances();

// A raw genotypic value of `trait` on the trait scale:
// ((g - ZMEAN) / ZSG) x SG + MEAN.
double to_trait_scale(double raw, Trait trait);

// Brings raw genotypic values to the trait scale, in place.
void rescale(std::vector<TraitValues>& values);

}  // namespace tf
