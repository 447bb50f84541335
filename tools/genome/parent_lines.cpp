#include "tools/genome/parent_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

#include "genetics/effects.h"
#include "state/fixed_data.h"
#include "tools/genome/stream_draws.h"

namespace tf {
namespace {

// A Beta(a, a) deviate (Johnk's method).
double draw_share(RandomStream& stream, double a) {
  for (;;) {
    const double x = std::pow(static_cast<double>(ran2(stream)), 1.0 / a);
    const double y = std::pow(static_cast<double>(ran2(stream)), 1.0 / a);
    if (x + y <= 1.0 && x + y > 0.0) return x / (x + y);
  }
}

struct Qtl {
  int row;  // locus row
  int q;    // QTL number
};

class Drawer {
 public:
  Drawer(const LocusMap& locmap, const ParentDesign& design, RandomStream& stream)
      : locmap_(locmap), design_(design), stream_(stream), qtleff_(NQTL), pargeno_(NPAR) {
    geneffects(locmap_, qtleff_);
    for (int p = 0; p < NPAR; ++p)
      for (int t = 0; t < NTRAIT; ++t) {
        const double v = design_.profile[static_cast<std::size_t>(p)][t];
        target_[p][t] = (v - MEAN[t]) / SG[t] * ZSG[t] + ZMEAN[t];
      }
  }

  ParentGenotypes draw() {
    std::vector<Qtl> minor_fhb, protein, yield_only;
    for (int i = 0; i < NLOCI; ++i) {
      const int q = locmap_[static_cast<std::size_t>(i)].code;
      if (q == MAJORQTL) {
        for (int p = 0; p < NPAR; ++p) assign(p, {i, q}, CARRIER[p] == 1 ? 1 : 2);
      } else if (q > 0 && effect(q, 1, 2) != 0.0) {
        minor_fhb.push_back({i, q});
      } else if (q > 0 && effect(q, 1, 1) != 0.0) {
        protein.push_back({i, q});
      } else if (q > 0) {
        yield_only.push_back({i, q});
      }
    }
    // Largest effects first: the smaller ones then trim each parent towards
    // its profile.
    sort_by(minor_fhb, 2);
    sort_by(protein, 1);
    sort_by(yield_only, 0);
    for (const Qtl& l : minor_fhb) place(l, 2, design_.fhb_share_shape, true);
    for (const Qtl& l : protein) place(l, 1, design_.protein_share_shape, true);
    for (const Qtl& l : yield_only) place(l, 0, design_.yield_share_shape, false);
    for (int i = 0; i < NLOCI; ++i) {
      if (locmap_[static_cast<std::size_t>(i)].code >= 0) continue;
      const int k =
          static_cast<int>(std::lround(NPAR * draw_share(stream_, design_.marker_share_shape)));
      std::vector<int> order(NPAR);
      std::iota(order.begin(), order.end(), 0);
      shuffle(order, stream_);
      for (int r = 0; r < NPAR; ++r) set(order[static_cast<std::size_t>(r)], i, r < k ? 2 : 1);
    }
    return pargeno_;
  }

 private:
  // QTLEFF of allele `a` (1 or 2) at QTL q on trait t (0-based).
  double effect(int q, int a, int t) const {
    return qtleff_[index_of(q)][index_of(a)][static_cast<std::size_t>(t)];
  }
  void set(int p, int row, int allele) {
    pargeno_[static_cast<std::size_t>(p)][static_cast<std::size_t>(row)] = allele;
  }
  void assign(int p, const Qtl& l, int allele) {
    set(p, l.row, allele);
    for (int t = 0; t < NTRAIT; ++t) value_[p][t] += effect(l.q, allele, t);
  }
  void sort_by(std::vector<Qtl>& loci, int t) const {
    std::stable_sort(loci.begin(), loci.end(), [this, t](const Qtl& x, const Qtl& y) {
      return std::fabs(effect(x.q, 1, t)) > std::fabs(effect(y.q, 1, t));
    });
  }
  // Places QTL `l`, whose main trait is t: the favoured allele lowers t when
  // `lower`, else raises it. A parent's claim to it is how far its value of t
  // stands on the wrong side of its target, plus noise.
  void place(const Qtl& l, int t, double shape, bool lower) {
    const bool one_lower = effect(l.q, 1, t) < effect(l.q, 2, t);
    const int favoured = one_lower == lower ? 1 : 2;
    const double size = std::fabs(effect(l.q, 1, t) - effect(l.q, 2, t)) / 2.0;
    std::array<std::pair<double, int>, NPAR> claim{};
    for (int p = 0; p < NPAR; ++p) {
      const double gap = value_[p][t] - target_[p][t];
      claim[p] = {(lower ? gap : -gap) + design_.noise * size * draw_normal(stream_), p};
    }
    std::sort(claim.begin(), claim.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    int k = static_cast<int>(std::lround(NPAR * draw_share(stream_, shape)));
    // The share goes to whichever side of the locus leaves the parents nearer
    // their targets overall.
    if (sum_of_squares(l, t, favoured, claim, k) > sum_of_squares(l, t, favoured, claim, NPAR - k))
      k = NPAR - k;
    for (int r = 0; r < NPAR; ++r) assign(claim[r].second, l, r < k ? favoured : 3 - favoured);
  }
  double sum_of_squares(const Qtl& l, int t, int favoured,
                        const std::array<std::pair<double, int>, NPAR>& claim, int k) const {
    double s = 0.0;
    for (int r = 0; r < NPAR; ++r) {
      const int p = claim[r].second;
      const double d =
          value_[p][t] + effect(l.q, r < k ? favoured : 3 - favoured, t) - target_[p][t];
      s += d * d;
    }
    return s;
  }

  const LocusMap& locmap_;
  const ParentDesign& design_;
  RandomStream& stream_;
  QtlEffectTable qtleff_;
  ParentGenotypes pargeno_;
  std::array<TraitValues, NPAR> value_{};   // raw values of the parents so far
  std::array<TraitValues, NPAR> target_{};  // raw-scale profiles
};

}  // namespace

ParentDesign shipped_parent_design() {
  ParentDesign d;
  // Yield (bu/acre), protein (%), Fhb (%) each parent is drawn towards. Five
  // carriers of the resistance allele (1, 5, 9, 11, 14) are soft, resistant
  // lines of modest yield: crosses among them give the lines that meet both
  // release standards. The other carriers are harder and more susceptible;
  // the four lines without the allele (2, 3, 10, 12) are the most
  // susceptible, 2 and 3 of them soft, 2 and 10 high yielding.
  d.profile = {{
      {93, 12.25, 5.4},   // 1
      {105, 12.5, 14.0},  // 2
      {100, 12.4, 13.8},  // 3
      {95, 13.4, 11.8},   // 4
      {97, 12.3, 5.6},    // 5
      {81, 13.5, 12.2},   // 6
      {90, 13.5, 12.0},   // 7
      {104, 13.2, 11.6},  // 8
      {91, 12.2, 5.3},    // 9
      {111, 13.3, 14.4},  // 10
      {87, 12.35, 5.2},   // 11
      {94, 13.4, 14.2},   // 12
      {102, 13.0, 11.4},  // 13
      {86, 12.3, 5.5},    // 14
      {88, 13.5, 12.0},   // 15
  }};
  d.yield_share_shape = 3.0;
  d.protein_share_shape = 1.0;
  d.fhb_share_shape = 3.0;
  d.marker_share_shape = 3.0;  // a panel chosen for polymorphic markers
  d.noise = 3.0;
  return d;
}

ParentGenotypes make_parents(const LocusMap& locmap, const ParentDesign& design,
                             RandomStream& stream) {
  return Drawer(locmap, design, stream).draw();
}

}  // namespace tf
