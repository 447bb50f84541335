// The fixed genome model's sizes and tables, as the genetic simulation reads them.
// Trait index t of the dialogue (1 yield, 2 protein, 3 Fhb) is stored at t - 1;
// genotype class g (1 homozygous for allele 1, 2 homozygous for allele 2,
// 3 heterozygous) at g - 1.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tf {

// The genome model's fixed sizes.
constexpr int NQTL = 400;           // QTL numbers 1..400
constexpr int NMRK = 512;           // marker numbers 1..512
constexpr int NLOCI = NQTL + NMRK;  // loci in genome order: 912
constexpr int NCOEF = NMRK + 1;     // 512 marker effects and the intercept
constexpr int NPAR = 15;            // parent lines 1..15
constexpr int NTRAIT = 3;           // trait index 1 yield, 2 protein, 3 Fhb (stored 0..2)
constexpr int MAJORQTL = 303;       // the major Fhb resistance gene; allele 1 resists

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
