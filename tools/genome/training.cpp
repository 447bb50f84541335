#include "tools/genome/training.h"

#include <cmath>
#include <vector>

#include "game/genome_data.h"
#include "genetics/evaluation.h"
#include "state/fixed_data.h"
#include "tools/genome/line_sampling.h"
#include "tools/genome/ridge.h"
#include "tools/genome/stream_draws.h"

namespace tf {

MarkerEffects train_marker_effects(const LocusMap& locmap, const QtlEffectTable& qtleff,
                                   const ParentGenotypes& pargeno, const RecombinationMap& map,
                                   const TrainingDesign& design, RandomStream& stream,
                                   TrainingReport& report) {
  // Error variance of a line's mean over its plots, per trait.
  std::array<double, NTRAIT> error_of_mean = plot_error_variances();
  for (double& v : error_of_mean) v /= design.locations;
  std::vector<MarkerScores> scores;
  std::vector<TraitValues> values;
  PlantGeno line;
  for (const Cross& cross : all_crosses()) {
    const PlantGeno f1 = make_f1(pargeno, cross);
    for (int k = 0; k < design.lines_per_cross; ++k) {
      make_line(f1, map, stream, line);
      scores.push_back(marker_scores(line, locmap));
      const TraitValues g = genotypic_values(line, locmap, qtleff);
      TraitValues y{};
      for (const Trait trait : kTraits) {
        const std::size_t t = index_of(trait);
        y[t] = to_trait_scale(g[t], trait) + std::sqrt(error_of_mean[t]) * draw_normal(stream);
      }
      values.push_back(y);
    }
  }
  // Summed variances of the marker scores over the training lines.
  double score_variance = 0.0;
  const double n = static_cast<double>(scores.size());
  for (int m = 0; m < NMRK; ++m) {
    double s = 0.0, ss = 0.0;
    for (const MarkerScores& x : scores) {
      s += x[static_cast<std::size_t>(m)];
      ss += x[static_cast<std::size_t>(m)] * x[static_cast<std::size_t>(m)];
    }
    score_variance += ss / n - (s / n) * (s / n);
  }
  report.lines = static_cast<int>(scores.size());
  for (int t = 0; t < NTRAIT; ++t) {
    report.lambda[t] = error_of_mean[t] * score_variance / (SG[t] * SG[t]);
  }
  return fit_marker_effects(scores, values, report.lambda);
}

}  // namespace tf
