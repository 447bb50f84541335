// Gametes by Kosambi recombination along the locus table, and single-seed
// descent.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "genetics/geno.h"
#include "genetics/genome.h"
#include "genetics/ran2.h"

namespace tf {

using Gamete = std::array<std::int32_t, NLOCI>;

// What meiosis needs of the locus table, computed once per run: for each
// locus, whether it starts a chromosome, else the recombination fraction of
// the interval to the locus before it (the same single-precision value the
// Kosambi formula gives at every meiosis).
class RecombinationMap {
 public:
  explicit RecombinationMap(const LocusMap& locmap);
  bool starts_chromosome(int locus) const { return starts_[static_cast<std::size_t>(locus)]; }
  float fraction(int locus) const { return fraction_[static_cast<std::size_t>(locus)]; }

 private:
  std::vector<bool> starts_;
  std::vector<float> fraction_;
};

// The Kosambi fraction for `tenths` tenths of a centimorgan between two loci.
float kosambi_fraction(std::int32_t tenths);

// One gamete of `plant`: NLOCI deviates, one per locus.
void meiosis(const PlantGeno& plant, const RecombinationMap& map, Gamete& gamete,
             RandomStream& stream);

// Five generations of selfing, then chromatid 1 copied onto chromatid 2:
// 10 x NLOCI deviates. `plant` is replaced by the inbred line.
void selfing(PlantGeno& plant, const RecombinationMap& map, RandomStream& stream);

}  // namespace tf
