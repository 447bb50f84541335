// The marker effects of the shipped genome: a ridge regression fitted to a
// simulated training population of inbred lines from the parents.
#pragma once

#include "genetics/genome.h"
#include "genetics/meiosis.h"
#include "genetics/ran2.h"

namespace tf {

struct TrainingDesign {
  int lines_per_cross = 10;  // from each of the 105 crosses
  int locations = 2;         // plots per line; its value is their mean
};

struct TrainingReport {
  int lines = 0;
  TraitValues lambda{};  // ridge penalty per trait
};

// Each training line is phenotyped as its trait-scale genotypic value plus
// the mean plot error of `locations` plots (variance VE per plot, the game's
// trial error). The penalty is the RR-BLUP ratio for those means: the error
// variance of a mean over the variance of one marker effect, SG^2 spread over
// the summed variances of the marker scores.
MarkerEffects train_marker_effects(const LocusMap& locmap, const QtlEffectTable& qtleff,
                                   const ParentGenotypes& pargeno, const RecombinationMap& map,
                                   const TrainingDesign& design, RandomStream& stream,
                                   TrainingReport& report);

}  // namespace tf
