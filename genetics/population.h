// The populations of a game: the F2 plants of the crosses (start-up) and the
// inbred lines by single-seed descent (task 3).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "genetics/geno.h"
#include "genetics/genome.h"
#include "genetics/ran2.h"
#include "text/console.h"

namespace tf {

// The genome model as the populations read it.
struct GenomeModel {
  const LocusMap& locmap;
  const QtlEffectTable& qtleff;
  const ParentGenotypes& pargeno;
  const MarkerEffects& mrkeff;
};

// For each cross in order: its line "    Cross ..." and CROSSSIZE F2 plants,
// each from two meioses of the F1 (2 x NLOCI deviates), into entries numbered
// on over the crosses. Fills `geno`, `plantpar`, `fhbstat_f2` and `pred_f2`,
// created by the caller with sum(crosssize) rows (rows past the plants made
// get status 0 and predictions 0). A negative cross size makes no plant.
// Parent numbers outside 1..NPAR, more plants than rows, or tables of
// unequal length throw std::invalid_argument before anything is printed or
// drawn. The scratch tables live on the stack: none is allocated.
void f2plant(Console& con, const GenomeModel& model,
             const std::vector<std::array<std::int32_t, 2>>& crosspar,
             const std::vector<std::int32_t>& crosssize, RandomStream& stream, GenoTable& geno,
             std::vector<std::array<std::int32_t, 2>>& plantpar,
             std::vector<std::int32_t>& fhbstat_f2, std::vector<TraitValues>& pred_f2);

// Prints the six lines of task 3, then takes every entry, kept or dropped, in
// index order through single-seed descent (10 x NLOCI deviates): `geno` is
// replaced by the lines, `g_ri` gets their raw genotypic values (the caller
// brings them to the trait scale), `fhbstat_ri` and `pred_ri` their status
// and predictions. Tables of unequal length throw std::invalid_argument
// before anything is printed. No scratch table is allocated.
void rilines(Console& con, const GenomeModel& model, RandomStream& stream, GenoTable& geno,
             std::vector<TraitValues>& g_ri, std::vector<TraitValues>& pred_ri,
             std::vector<std::int32_t>& fhbstat_ri);

}  // namespace tf
