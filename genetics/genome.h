// The fixed genome model's sizes and tables, as the genetic simulation reads
// them, and the one numbering of the game: what the dialogue and the files
// number from 1 (parents, QTL, markers, entry IDs, crosses, traits, genotype
// classes) is stored from 0, and index_of and number_of convert.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tf {

// The storage index of a thing numbered from 1: number n at index n - 1.
constexpr std::size_t index_of(std::int32_t number) { return static_cast<std::size_t>(number) - 1; }

// The number, counted from 1, of the thing stored at `index`.
constexpr std::int32_t number_of(std::size_t index) { return static_cast<std::int32_t>(index + 1); }

// The genome model's fixed sizes.
constexpr int NQTL = 400;           // QTL numbers 1..400
constexpr int NMRK = 512;           // marker numbers 1..512
constexpr int NLOCI = NQTL + NMRK;  // loci in genome order: 912
constexpr int NCOEF = NMRK + 1;     // 512 marker effects and the intercept
constexpr int NPAR = 15;            // parent lines 1..15
constexpr int NTRAIT = 3;           // traits: yield, protein, Fhb
constexpr int MAJORQTL = 303;       // the major Fhb resistance gene; allele 1 resists

// A trait, by its trait index: 1 yield, 2 protein, 3 Fhb.
enum class Trait : std::int32_t { kYield = 1, kProtein = 2, kFhb = 3 };

// Every trait, in the order of the value columns and of a TraitValues.
constexpr std::array<Trait, NTRAIT> kTraits = {Trait::kYield, Trait::kProtein, Trait::kFhb};

// Where a trait's value stands in a table per trait.
constexpr std::size_t index_of(Trait trait) { return index_of(static_cast<std::int32_t>(trait)); }

// One row of LOCMAP: locus code (q > 0: QTL q; -m < 0: marker m), chromosome
// number, map position in tenths of a centimorgan.
struct LocusRow {
  std::int32_t code = 0;
  std::int32_t chromosome = 0;
  std::int32_t position = 0;
};
using LocusMap = std::vector<LocusRow>;  // NLOCI rows in genome order

// PARGENO: allele code of each parent line (row index_of(p)) at each locus.
using ParentGenotypes = std::vector<std::array<std::int32_t, NLOCI>>;  // NPAR rows

// A value per trait, trait t at index_of(t).
using TraitValues = std::array<double, NTRAIT>;

// QTLEFF(q, g, t) at [index_of(q)][index_of(g)][index_of(t)], genotype class
// g 1 homozygous for allele 1, 2 homozygous for allele 2, 3 heterozygous; the
// heterozygous class is always 0.
using QtlEffect = std::array<TraitValues, 3>;
using QtlEffectTable = std::vector<QtlEffect>;  // NQTL rows

// MRKEFF: row index_of(m) the effects of marker m, the last row (NCOEF - 1)
// the intercepts.
using MarkerEffects = std::vector<TraitValues>;  // NCOEF rows

}  // namespace tf
