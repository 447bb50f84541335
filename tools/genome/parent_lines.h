// The 15 parent lines of the shipped genome: inbred lines of one breeding
// programme, drawn locus by locus from the game's random stream.
#pragma once

#include <array>

#include "genetics/genome.h"
#include "genetics/ran2.h"

namespace tf {

// How the parents are drawn. Each parent has a profile: its intended
// genotypic value per trait, on the trait scale. QTL are placed largest effect
// first: the number of parents carrying the favourable allele is drawn from a
// Beta(a, a) share, and the allele goes to the parents that stand furthest
// from their profile (with some noise, so that the lines also differ at random).
struct ParentDesign {
  std::array<TraitValues, NPAR> profile{};  // trait scale, parent p at index_of(p)
  double yield_share_shape = 1.0;
  double protein_share_shape = 1.0;
  double fhb_share_shape = 1.0;
  double marker_share_shape = 0.5;
  double noise = 1.0;  // spread of the random part of a parent's claim, in effect sizes
};

// The design of the shipped parents.
ParentDesign shipped_parent_design();

// PARGENO for `locmap`; the allele at MAJORQTL follows CARRIER.
ParentGenotypes make_parents(const LocusMap& locmap, const ParentDesign& design,
                             RandomStream& stream);

}  // namespace tf
