// QTLEFF: the effect of every QTL genotype on yield, protein and Fhb, built
// from the locus table alone (three geometric series; see effects.cpp).
#pragma once

#include "genetics/genome.h"

namespace tf {

// Fills `qtleff` (NQTL rows, created by the caller) for every QTL that
// `locmap` carries, in its row order. Rows with a code <= 0 change nothing.
void geneffects(const LocusMap& locmap, QtlEffectTable& qtleff);

}  // namespace tf
