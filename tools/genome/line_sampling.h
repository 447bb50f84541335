// Inbred lines of two-parent crosses, made the way the game makes them: the
// F1 of the parents, an F2 plant from two meioses, single-seed descent.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "genetics/geno.h"
#include "genetics/genome.h"
#include "genetics/meiosis.h"
#include "genetics/ran2.h"

namespace tf {

using Cross = std::array<int, 2>;  // parent numbers 1..NPAR

// The 105 crosses of two different parents, (1,2), (1,3), ..., (14,15).
std::vector<Cross> all_crosses();

// The F1 of two inbred parents (parent numbers 1..NPAR).
PlantGeno make_f1(const ParentGenotypes& pargeno, const Cross& cross);

// One inbred line from `f1`: 12 x NLOCI deviates.
void make_line(const PlantGeno& f1, const RecombinationMap& map, RandomStream& stream,
               PlantGeno& line);

// The scores of an inbred line's markers, marker m at index_of(m):
// -1 for 1/1, +1 for 2/2 (0 for heterozygous).
std::array<std::int8_t, NMRK> marker_scores(const PlantGeno& plant, const LocusMap& locmap);

}  // namespace tf
