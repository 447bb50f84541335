// Gametes by Kosambi recombination along the locus table, and single-seed
// descent.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "genetics/geno.h"
#include "genetics/genome.h"
#include "genetics/ran2.h"

namespace tf {

using Gamete = std::array<std::int32_t, NLOCI>;

// The Kosambi fraction for `tenths` tenths of a centimorgan between two loci,
// in single precision: whole centimorgans (truncated toward zero), Morgans,
// E = 2.71828^(4 d) computed in double and rounded once to single, so that it
// is the same on every C library, r = 0.5 (E - 1) / (E + 1).
// A negative distance gives a negative fraction. A distance so long that the
// power overflows (over 2218 cM) gives the limit 0.5 rather than the NaN of
// infinity over infinity, which would never recombine.
float kosambi_fraction(std::int64_t tenths);

// What meiosis needs of the locus table, computed once per run: for each
// locus, whether it starts a chromosome, else the recombination fraction of
// the interval to the locus before it (the same single-precision value the
// Kosambi formula gives at every meiosis). Locus 0 starts a chromosome, and
// so does every locus whose chromosome number is greater than the one before.
class RecombinationMap {
 public:
  // `locmap` must have NLOCI rows (InternalError otherwise).
  explicit RecombinationMap(const LocusMap& locmap);

  bool starts_chromosome(int locus) const { return carry_[index(locus)] == 0; }
  // The fraction of the interval ending at `locus`; 0 where a chromosome starts.
  float fraction(int locus) const { return fraction_[index(locus)]; }

  // The walk's comparisons, made on the generator's combined value iy rather
  // than on its deviate: the deviate never decreases as iy grows, so
  // "deviate <= x" holds exactly for iy up to the largest iy whose deviate is
  // <= x. `bound` is that iy: for an interval the one of its fraction (u <= r
  // switches), at a chromosome start the one of the largest single below 0.5
  // (u < 0.5 takes chromatid 1). The outcome of every comparison is the one
  // of the deviate's, for every iy.
  std::int32_t bound(int locus) const { return bound_[index(locus)]; }
  // 0 where a chromosome starts, 1 where the chromatid carries over.
  std::uint32_t carry(int locus) const { return carry_[index(locus)]; }

 private:
  static std::size_t index(int locus) { return static_cast<std::size_t>(locus); }

  std::array<std::int32_t, NLOCI> bound_;
  std::array<std::uint32_t, NLOCI> carry_;
  std::array<float, NLOCI> fraction_;
};

// The largest combined value iy in 0..2147483562 whose deviate is <= x (0 when
// none is: iy 0 is never drawn).
std::int32_t deviate_bound(float x);

// The walk of one gamete along the genome: one deviate per locus, NLOCI in
// all, and `take(locus, k)` for each locus in order with the chromatid k
// (0 or 1) it takes. meiosis() builds on it, so that every gamete of the game
// draws and decides the same way. With above = [iy > bound]: a chromosome
// start takes k = above (u >= 0.5: chromatid 2); an interval switches when
// u <= r, k ^= 1 - above. One form for both: k = ((k ^ 1) & carry) ^ above.
template <class Take>
inline void walk_gamete(const RecombinationMap& map, RandomStream& stream, Take&& take) {
  StreamBurst draws(stream);
  std::uint32_t k = 0;
  for (int j = 0; j < NLOCI; ++j) {
    const std::uint32_t above = draws.next_iy() > map.bound(j) ? 1U : 0U;
    k = ((k ^ 1U) & map.carry(j)) ^ above;
    take(j, k);
  }
}

// One gamete of `plant`: NLOCI deviates, one per locus. `gamete` may be one
// of the plant's own chromatids: locus j is read before it is written.
void meiosis(const PlantGeno& plant, const RecombinationMap& map, Gamete& gamete,
             RandomStream& stream);

// The same gamete of a packed plant, from the same draws: the walk records
// only each locus's choice, and the gamete is then formed a word at a time.
// This is the populations' form. `gamete` may be one of the plant's own
// chromatids.
void meiosis(const PackedPlant& plant, const RecombinationMap& map, PackedChromatid& gamete,
             RandomStream& stream);

// Five generations of selfing, each joining two gametes of the plant before
// it, then chromatid 1 copied onto chromatid 2: 10 x NLOCI deviates. `plant`
// is replaced by the inbred line.
void selfing(PackedPlant& plant, const RecombinationMap& map, RandomStream& stream);
void selfing(PlantGeno& plant, const RecombinationMap& map, RandomStream& stream);

}  // namespace tf
