// Plot errors of one trait in one field trial and the LSD of its column.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "genetics/genome.h"
#include "genetics/ran2.h"

namespace tf {

// Draws one plot error per entry and location (a normal deviate of variance
// `ve`[index_of(trait)]) for every entry of `errmean`, kept or dropped, and stores
// each entry's mean error over the `nloc` locations in `errmean`. Takes
// exactly 2 x entries x `nloc` uniforms from `stream`, entry by entry.
// Returns the LSD at 10 % of the column: 1.645 x sqrt(2 x SS / (N - 1)) in
// single precision, SS the plain sum of the squared mean errors; 0.0 for
// fewer than two entries. A count below 1 draws nothing and leaves every
// mean error at 0.
float nong(RandomStream& stream, std::vector<double>& errmean, std::int32_t nloc, Trait trait,
           const std::array<double, NTRAIT>& ve);

// The LSD at 10 % from the mean errors of all entries: SS, the plain sum of
// their squares, is summed in double and rounded to single precision after
// every entry; then sqrt(SS / (N - 1) x 2.0) x 1.645 in single precision. 0.0
// for fewer than two entries.
float lsd10(const std::vector<double>& errmean);

// One plot error deviate of unit variance from two fresh uniforms: the cosine
// branch of Box-Muller in single precision with 6.2832 for 2 pi, but for the
// logarithm and the cosine, each computed in double and rounded once to
// single so that it is the same on every C library.
float plot_deviate(float u1, float u2);

}  // namespace tf
