// QTLEFF: the effect of every QTL genotype on yield, protein and Fhb, built
// from the locus table alone (three geometric series; see effects.cpp).
#pragma once

#include "genetics/genome.h"

namespace tf {

// Fills `qtleff` (NQTL rows, created by the caller) for every QTL that
// `locmap` carries, in its row order: yield for every QTL, protein for QTL
// numbers 3 mod 5, Fhb for the first 26 of those from 270 up, the first of
// them tripled. Rows with a code <= 0, or beyond the table's rows, change
// nothing.
void geneffects(const LocusMap& locmap, QtlEffectTable& qtleff);

}  // namespace tf
