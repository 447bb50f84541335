// The figures that calibrate the genome: raw genotypic values of inbred lines
// against ZMEAN and ZSG, accuracy of the marker predictions, and how many
// crosses can give a line that meets both release standards.
#pragma once

#include <string>
#include <vector>

#include "genetics/genome.h"
#include "genetics/meiosis.h"
#include "genetics/ran2.h"

namespace tf {

// One inbred line of a calibration sample.
struct LineValues {
  int cross;         // index into the list of crosses
  TraitValues raw;   // genotypic values, raw scale
  TraitValues pred;  // marker-based predictions, trait units
};

struct Figures {
  TraitValues mean{};                 // of the raw values
  TraitValues sd{};                   // of the raw values
  TraitValues correlation{};          // of prediction with genotypic value
  std::vector<double> winning_share;  // per cross, share of lines meeting both standards
  int winnable = 0;                   // crosses with a share of at least 1 %
};

// `per_cross` inbred lines of each of the 105 crosses, in cross order.
std::vector<LineValues> sample_crosses(const LocusMap& locmap, const QtlEffectTable& qtleff,
                                       const ParentGenotypes& pargeno, const MarkerEffects& mrkeff,
                                       const RecombinationMap& map, int per_cross,
                                       RandomStream& stream);

Figures compute_figures(const std::vector<LineValues>& lines, int crosses);

// The bounds the shipped genome must meet: per trait a mean within half a ZSG
// of ZMEAN, a standard deviation within 25 % of ZSG and a correlation from
// 0.5 to 0.85; from 3 to 35 winnable crosses. Returns what fails, or "".
std::string check_figures(const Figures& f);

}  // namespace tf
