// The populations of a game: the F2 plants of the crosses (start-up) and the
// inbred lines by single-seed descent (task 3). Nothing here prints: the
// caller is told when each cross begins and when the lines begin, and shows
// what it wants there.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "genetics/geno.h"
#include "genetics/genome.h"
#include "genetics/ran2.h"

namespace tf {

// The genome model as the populations read it.
struct GenomeModel {
  const LocusMap& locmap;
  const QtlEffectTable& qtleff;
  const ParentGenotypes& pargeno;
  const MarkerEffects& mrkeff;
};

// Called as each cross begins, before its plants are drawn, with the cross's
// index (0-based) and its parents.
using CrossStart =
    std::function<void(std::size_t cross, const std::array<std::int32_t, 2>& parents)>;
// Called once, when the tables have passed their checks and before the first
// line is drawn.
using LinesStart = std::function<void()>;

// For each cross in order: `cross_start` and CROSSSIZE F2 plants, each from
// two meioses of the F1 (2 x NLOCI deviates), into entries numbered on over
// the crosses. Fills `geno`, `plantpar`, `fhbstat_f2` and `pred_f2`, created
// by the caller with sum(crosssize) rows (rows past the plants made get
// status 0 and predictions 0). A negative cross size makes no plant. Parent
// numbers outside 1..NPAR, more plants than rows, or tables of unequal length
// throw InternalError before `cross_start` is called or anything is
// drawn. The scratch tables live on the stack: none is allocated.
void f2plant(const GenomeModel& model, const std::vector<std::array<std::int32_t, 2>>& crosspar,
             const std::vector<std::int32_t>& crosssize, RandomStream& stream, GenoTable& geno,
             std::vector<std::array<std::int32_t, 2>>& plantpar,
             std::vector<std::int32_t>& fhbstat_f2, std::vector<TraitValues>& pred_f2,
             const CrossStart& cross_start = {});

// Calls `lines_start`, then takes every entry, kept or dropped, in index
// order through single-seed descent (10 x NLOCI deviates): `geno` is replaced
// by the lines, `g_ri` gets their raw genotypic values (the caller brings
// them to the trait scale), `fhbstat_ri` and `pred_ri` their status and
// predictions. Tables of unequal length throw InternalError before
// `lines_start` is called. No scratch table is allocated.
void rilines(const GenomeModel& model, RandomStream& stream, GenoTable& geno,
             std::vector<TraitValues>& g_ri, std::vector<TraitValues>& pred_ri,
             std::vector<std::int32_t>& fhbstat_ri, const LinesStart& lines_start = {});

}  // namespace tf
