#include "tools/genome/calibration.h"

#include <cmath>
#include <cstdio>

#include "game/genome_data.h"
#include "game/release.h"
#include "genetics/evaluation.h"
#include "state/fixed_data.h"
#include "tools/genome/line_sampling.h"

namespace tf {

std::vector<LineValues> sample_crosses(const LocusMap& locmap, const QtlEffectTable& qtleff,
                                       const ParentGenotypes& pargeno, const MarkerEffects& mrkeff,
                                       const RecombinationMap& map, int per_cross,
                                       RandomStream& stream) {
  std::vector<LineValues> lines;
  const std::vector<Cross> crosses = all_crosses();
  lines.reserve(crosses.size() * static_cast<std::size_t>(per_cross));
  PlantGeno line;
  for (std::size_t c = 0; c < crosses.size(); ++c) {
    const PlantGeno f1 = make_f1(pargeno, crosses[c]);
    for (int k = 0; k < per_cross; ++k) {
      make_line(f1, map, stream, line);
      lines.push_back({static_cast<int>(c), genotypic_values(line, locmap, qtleff),
                       prediction(line, locmap, mrkeff)});
    }
  }
  return lines;
}

Figures compute_figures(const std::vector<LineValues>& lines, int crosses) {
  Figures f;
  const double n = static_cast<double>(lines.size());
  for (int t = 0; t < NTRAIT; ++t) {
    double sx = 0, sy = 0;
    for (const LineValues& l : lines) {
      sx += l.raw[t];
      sy += l.pred[t];
    }
    const double mx = sx / n, my = sy / n;
    double sxx = 0, syy = 0, sxy = 0;
    for (const LineValues& l : lines) {
      const double dx = l.raw[t] - mx, dy = l.pred[t] - my;
      sxx += dx * dx;
      syy += dy * dy;
      sxy += dx * dy;
    }
    f.mean[t] = mx;
    f.sd[t] = std::sqrt(sxx / (n - 1));
    f.correlation[t] = sxy / std::sqrt(sxx * syy);
  }
  std::vector<int> total(static_cast<std::size_t>(crosses), 0), wins(total);
  for (const LineValues& l : lines) {
    TraitValues scaled{};
    for (const Trait trait : kTraits) {
      scaled[index_of(trait)] = to_trait_scale(l.raw[index_of(trait)], trait);
    }
    ++total[static_cast<std::size_t>(l.cross)];
    if (meets_standards(scaled)) ++wins[static_cast<std::size_t>(l.cross)];
  }
  for (int c = 0; c < crosses; ++c) {
    const auto k = static_cast<std::size_t>(c);
    f.winning_share.push_back(total[k] > 0 ? static_cast<double>(wins[k]) / total[k] : 0.0);
    if (total[k] > 0 && wins[k] * 100 >= total[k]) ++f.winnable;
  }
  return f;
}

std::string check_figures(const Figures& f) {
  static const char* const kTrait[NTRAIT] = {"yield", "protein", "Fhb"};
  std::string why;
  char text[120];
  for (int t = 0; t < NTRAIT; ++t) {
    if (std::fabs(f.mean[t] - ZMEAN[t]) > 0.5 * ZSG[t]) {
      std::snprintf(text, sizeof text, "%s mean %.4f; ", kTrait[t], f.mean[t]);
      why += text;
    }
    if (std::fabs(f.sd[t] - ZSG[t]) > 0.25 * ZSG[t]) {
      std::snprintf(text, sizeof text, "%s sd %.4f; ", kTrait[t], f.sd[t]);
      why += text;
    }
    if (!(f.correlation[t] >= 0.5 && f.correlation[t] <= 0.85)) {
      std::snprintf(text, sizeof text, "%s correlation %.3f; ", kTrait[t], f.correlation[t]);
      why += text;
    }
  }
  if (f.winnable < 3 || f.winnable > 35) {
    std::snprintf(text, sizeof text, "%d winnable crosses; ", f.winnable);
    why += text;
  }
  return why;
}

}  // namespace tf
