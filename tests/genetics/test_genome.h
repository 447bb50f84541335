// Helpers of the genetics tests: synthetic genome tables, GENO read and
// written in codes, streams in chosen states, and state comparison.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

#include "genetics/geno.h"
#include "genetics/genome.h"
#include "genetics/ran2.h"

namespace tf::fixture {

// A locus table of NLOCI rows holding QTL 1..400 and markers 1..512 once
// each in shuffled order, on 12 chromosomes, positions rising by 0 to 80
// tenths of a centimorgan. The same seed gives the same table.
LocusMap random_locus_map(std::uint32_t seed);

// NPAR parents of random codes 1 or 2.
ParentGenotypes random_parents(std::uint32_t seed);

// NCOEF rows of effects in -1..1 (intercepts included).
MarkerEffects random_marker_effects(std::uint32_t seed);

// A plant of random codes 1 or 2 on both chromatids.
PlantGeno random_plant(std::mt19937& rng);

// A plant whose chromatid h holds `code_h` at every locus.
PlantGeno uniform_plant(std::int32_t code1, std::int32_t code2);

// GENO in codes, through the packed rows the game reads and writes: the code
// (1 or 2) at one locus of one chromatid, a code set there, and a whole
// plant.
int code(const GenoTable& geno, std::size_t entry, int locus, int chromatid);
void set_code(GenoTable& geno, std::size_t entry, int locus, int chromatid, std::int32_t code);
PlantGeno read_codes(const GenoTable& geno, std::size_t entry);
void write_codes(GenoTable& geno, std::size_t entry, const PlantGeno& plant);

// A stream seeded with `seed` (<= 0: not yet started).
RandomStream seeded(std::int32_t seed);

// `stream` after `n` calls of ran2.
RandomStream advanced(RandomStream stream, long n);

// A started stream whose next combined value iy (and so whose next deviate)
// is `iy` (1..2147483562): slot 0 is chosen, and it holds iy plus the next
// value of the second generator.
RandomStream stream_with_next_iy(std::int32_t iy);

// A started stream whose next two combined values are `iy1` and `iy2`;
// iy1 must not select slot 0 (iy1 >= 67108862).
RandomStream stream_with_next_iys(std::int32_t iy1, std::int32_t iy2);

// A locus table of NLOCI rows: `rows` first, then code 0 rows on one more
// chromosome at its position 0.
LocusMap locus_map_from(const LocusMap& rows);

bool same_state(const RandomStream& a, const RandomStream& b);

}  // namespace tf::fixture
