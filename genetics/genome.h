// The fixed genome model's tables, as the genetic simulation reads them.
// Trait index t of the dialogue (1 yield, 2 protein, 3 Fhb) is stored at t - 1;
// genotype class g (1 homozygous for allele 1, 2 homozygous for allele 2,
// 3 heterozygous) at g - 1.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "text/sizes.h"

namespace tf {

// One row of LOCMAP: locus code (q > 0: QTL q; -m < 0: marker m), chromosome
// number, map position in tenths of a centimorgan.
struct LocusRow {
  std::int32_t code = 0;
  std::int32_t chromosome = 0;
  std::int32_t position = 0;
};
using LocusMap = std::vector<LocusRow>;  // NLOCI rows in genome order

// PARGENO: allele code of each parent line (row p - 1) at each locus.
using ParentGenotypes = std::vector<std::array<std::int32_t, NLOCI>>;  // NPAR rows

// A value per trait index.
using TraitValues = std::array<double, NTRAIT>;

// QTLEFF(q, g, t) at [q - 1][g - 1][t - 1]; the heterozygous class is always 0.
using QtlEffect = std::array<TraitValues, 3>;
using QtlEffectTable = std::vector<QtlEffect>;  // NQTL rows

// MRKEFF: row m - 1 the effects of marker m, row NCOEF - 1 the intercepts.
using MarkerEffects = std::vector<TraitValues>;  // NCOEF rows

}  // namespace tf
