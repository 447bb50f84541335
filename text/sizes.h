// Fixed sizes of the genome model and of the game's tables.
#pragma once

#include <cstdint>

namespace tf {

constexpr int NQTL = 400;             // QTL numbers 1..400
constexpr int NMRK = 512;             // marker numbers 1..512
constexpr int NLOCI = NQTL + NMRK;    // loci in genome order: 912
constexpr int NCOEF = NMRK + 1;       // 512 marker effects and the intercept
constexpr int NPAR = 15;              // parent lines 1..15
constexpr int NTRAIT = 3;             // trait index 1 yield, 2 protein, 3 Fhb (stored 0..2)
constexpr int MAJORQTL = 303;         // the major Fhb resistance gene; allele 1 resists
constexpr int MAXCROSSSIZE = 2000;    // F2 plants per cross
constexpr int MAXCOL = 12;            // value columns of the results table
constexpr int NCOLHEAD = MAXCOL + 3;  // "Line_ID", "Parent_1", "Parent_2" and one per value column
constexpr int NYEAR = 3;              // trial years 1..3

}  // namespace tf
