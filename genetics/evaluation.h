// The evaluation of an entry's genotype: genotypic values (E1), status at
// the major Fhb gene (E2), marker scores and predictions (E3, E4).
#pragma once

#include <cstdint>

#include "genetics/geno.h"
#include "genetics/genome.h"

namespace tf {

// E1: the raw genotypic values, summed in double in locus-table row order.
TraitValues genotypic_values(const PlantGeno& plant, const LocusMap& locmap,
                             const QtlEffectTable& qtleff);

// E2: copies of the resistance allele at MAJORQTL: 2, 1 or 0 (0 when the
// locus table has no QTL 303).
std::int32_t fhb_status(const PlantGeno& plant, const LocusMap& locmap);

// E3 and E4 for one entry: marker scores (-1 for 1/1, +1 for 2/2, 0 else)
// times the marker effects, plus the intercept, in trait units.
TraitValues prediction(const PlantGeno& plant, const LocusMap& locmap,
                       const MarkerEffects& mrkeff);

}  // namespace tf
