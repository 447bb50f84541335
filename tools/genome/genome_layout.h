// The locus table of the shipped genome: a small-grain cereal of 7
// chromosomes with QTL and markers interspersed along each.
#pragma once

#include "genetics/genome.h"
#include "genetics/ran2.h"

namespace tf {

constexpr int kChromosomes = 7;
constexpr int kMinLengthTenths = 1400;  // 140 cM
constexpr int kMaxLengthTenths = 2200;  // 220 cM
// The major Fhb gene sits on the short arm of this chromosome, ahead of every
// other Fhb QTL in genome order, so that it takes the largest Fhb effect.
constexpr int kMajorChromosome = 3;

// NLOCI rows in genome order: chromosome lengths drawn from the stream,
// markers spread evenly (a panel chosen for coverage), QTL at random
// positions, markers numbered 1..NMRK along the genome, QTL numbers shuffled.
LocusMap make_locus_map(RandomStream& stream);

}  // namespace tf
