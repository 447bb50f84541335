// The evaluation of an entry's genotype: genotypic values (E1), status at
// the major Fhb gene (E2), marker scores and predictions (E3, E4).
//
// E1 and E3/E4 are sums in double over the locus table in row order, begun
// at +0.0, of one term per homozygous locus of the kind; a heterozygous
// locus adds nothing (adding its zero would leave the sum's bits as they
// are). The term classes find each locus's effects once and then evaluate
// packed genotypes a word at a time, visiting only the loci that add a term;
// the functions taking codes give the same bits.
//
// Every locus table here has at most NLOCI rows (InternalError otherwise).
// Codes beyond the effect tables (QTL numbers above the rows of QTLEFF,
// marker numbers above NMRK) add nothing; the loader rejects them.
// Allele codes are 1 or 2.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "genetics/geno.h"
#include "genetics/genome.h"

namespace tf {

// E1: the raw genotypic values: for each QTL row in locus-table row order,
// QTLEFF class 1 for genotype 1/1, class 2 for 2/2, nothing for 1/2 or 2/1.
TraitValues genotypic_values(const PlantGeno& plant, const LocusMap& locmap,
                             const QtlEffectTable& qtleff);

// E2: copies of the resistance allele at MAJORQTL: 2 for 1/1, 1 for two
// different codes, else 0 (0 when the locus table has no QTL 303).
std::int32_t fhb_status(const PlantGeno& plant, const LocusMap& locmap);

// E3 and E4 for one entry: the marker scores (-1 for 1/1, +1 for 2/2, 0
// else) times the marker effects, summed over the marker rows in locus-table
// row order, then the intercept (row NCOEF - 1) added. A marker that stands
// on several rows is scored from the last of them at which the entry is
// homozygous.
// `mrkeff` must have NCOEF rows (InternalError otherwise).
TraitValues prediction(const PlantGeno& plant, const LocusMap& locmap, const MarkerEffects& mrkeff);

// E1 for many entries. Refers to `qtleff`, which must outlive it.
class GenotypicTerms {
 public:
  GenotypicTerms(const LocusMap& locmap, const QtlEffectTable& qtleff);
  TraitValues of(const PackedPlant& plant) const;

 private:
  PackedChromatid loci_{};                         // the QTL rows
  std::array<const QtlEffect*, NLOCI> effects_{};  // class 1 at [0], class 2 at [1]
};

// E3 and E4 for many entries. Refers to `mrkeff`, which must outlive it.
class PredictionTerms {
 public:
  PredictionTerms(const LocusMap& locmap, const MarkerEffects& mrkeff);
  TraitValues of(const PackedPlant& plant) const;

 private:
  PackedChromatid loci_{};  // the marker rows
  std::array<const TraitValues*, NLOCI> effects_{};
  std::array<std::int32_t, NLOCI> marker_{};  // index_of(marker number) of each marker row
  bool repeated_ = false;                     // some marker stands on several rows
  const TraitValues* intercept_;
};

// E2 for many entries: the rows of MAJORQTL (one in a valid locus table).
class MajorGeneRows {
 public:
  explicit MajorGeneRows(const LocusMap& locmap);
  std::int32_t status(const PackedPlant& plant) const;

 private:
  std::array<std::int32_t, NLOCI> rows_{};
  std::size_t count_ = 0;
};

}  // namespace tf
