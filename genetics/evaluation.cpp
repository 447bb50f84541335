#include "genetics/evaluation.h"

#include "text/internal_error.h"

namespace tf {

namespace {

void check_locus_rows(const LocusMap& locmap) {
  TF_BUG_ASSERT(locmap.size() <= static_cast<std::size_t>(NLOCI));
}

void mark(PackedChromatid& loci, std::size_t locus) {
  loci[locus / kGenoWordBits] |= std::uint64_t{1} << (locus % kGenoWordBits);
}

int lowest_bit(std::uint64_t x) {
#if defined(__GNUC__)
  return __builtin_ctzll(x);
#else
  int n = 0;
  for (; (x & 1U) == 0; x >>= 1) ++n;
  return n;
#endif
}

// Calls visit(locus, hom2) for every locus of `loci` at which the plant is
// homozygous, in locus order; hom2 is 1 for 2/2 and 0 for 1/1.
template <class Visit>
void for_each_homozygous(const PackedPlant& plant, const PackedChromatid& loci, Visit&& visit) {
  for (std::size_t w = 0; w < static_cast<std::size_t>(kGenoWords); ++w) {
    const std::uint64_t a = plant.chromatid[0][w];
    const std::uint64_t b = plant.chromatid[1][w];
    const std::uint64_t hom2 = a & b;
    for (std::uint64_t hits = (hom2 | ~(a | b)) & loci[w]; hits != 0; hits &= hits - 1) {
      const int bit = lowest_bit(hits);
      visit(w * kGenoWordBits + static_cast<std::size_t>(bit),
            static_cast<std::size_t>((hom2 >> bit) & 1U));
    }
  }
}

}  // namespace

GenotypicTerms::GenotypicTerms(const LocusMap& locmap, const QtlEffectTable& qtleff) {
  check_locus_rows(locmap);
  for (std::size_t i = 0; i < locmap.size(); ++i) {
    const std::int32_t q = locmap[i].code;
    if (q <= 0 || static_cast<std::size_t>(q) > qtleff.size()) continue;
    mark(loci_, i);
    effects_[i] = &qtleff[index_of(q)];
  }
}

TraitValues GenotypicTerms::of(const PackedPlant& plant) const {
  TraitValues sums{};
  for_each_homozygous(plant, loci_, [&](std::size_t locus, std::size_t hom2) {
    const TraitValues& cell = (*effects_[locus])[hom2];
    for (std::size_t t = 0; t < NTRAIT; ++t) sums[t] += cell[t];
  });
  return sums;
}

PredictionTerms::PredictionTerms(const LocusMap& locmap, const MarkerEffects& mrkeff) {
  check_locus_rows(locmap);
  TF_BUG_ASSERT(mrkeff.size() == static_cast<std::size_t>(NCOEF));
  std::array<bool, NMRK> seen{};
  for (std::size_t i = 0; i < locmap.size(); ++i) {
    const std::int32_t code = locmap[i].code;
    if (code >= 0 || code < -NMRK) continue;
    mark(loci_, i);
    const std::size_t m = index_of(-code);
    effects_[i] = &mrkeff[m];
    marker_[i] = static_cast<std::int32_t>(m);
    repeated_ = repeated_ || seen[m];
    seen[m] = true;
  }
  intercept_ = &mrkeff[NCOEF - 1];
}

TraitValues PredictionTerms::of(const PackedPlant& plant) const {
  static constexpr double kScore[2] = {-1.0, 1.0};  // 1/1, 2/2
  TraitValues sums{};
  if (repeated_) {
    // A repeated marker takes the score of its last homozygous row.
    std::array<std::int8_t, NMRK> score{};
    std::array<const TraitValues*, NMRK> effects{};
    for_each_homozygous(plant, loci_, [&](std::size_t locus, std::size_t hom2) {
      const auto m = static_cast<std::size_t>(marker_[locus]);
      score[m] = hom2 == 1 ? 1 : -1;
      effects[m] = effects_[locus];
    });
    for (std::size_t m = 0; m < static_cast<std::size_t>(NMRK); ++m) {
      if (score[m] == 0) continue;
      for (std::size_t t = 0; t < NTRAIT; ++t) {
        sums[t] += static_cast<double>(score[m]) * (*effects[m])[t];
      }
    }
  } else {
    for_each_homozygous(plant, loci_, [&](std::size_t locus, std::size_t hom2) {
      const TraitValues& effects = *effects_[locus];
      for (std::size_t t = 0; t < NTRAIT; ++t) sums[t] += kScore[hom2] * effects[t];
    });
  }
  for (std::size_t t = 0; t < NTRAIT; ++t) sums[t] += (*intercept_)[t];
  return sums;
}

MajorGeneRows::MajorGeneRows(const LocusMap& locmap) {
  check_locus_rows(locmap);
  for (std::size_t i = 0; i < locmap.size(); ++i) {
    if (locmap[i].code == MAJORQTL) rows_[count_++] = static_cast<std::int32_t>(i);
  }
}

std::int32_t MajorGeneRows::status(const PackedPlant& plant) const {
  std::int32_t status = 0;
  for (std::size_t r = 0; r < count_; ++r) {
    const auto locus = static_cast<std::size_t>(rows_[r]);
    const std::uint64_t bit = std::uint64_t{1} << (locus % kGenoWordBits);
    const bool a2 = (plant.chromatid[0][locus / kGenoWordBits] & bit) != 0;
    const bool b2 = (plant.chromatid[1][locus / kGenoWordBits] & bit) != 0;
    if (!a2 && !b2) {
      status = 2;
    } else if (a2 != b2) {
      status = 1;
    }
  }
  return status;
}

TraitValues genotypic_values(const PlantGeno& plant, const LocusMap& locmap,
                             const QtlEffectTable& qtleff) {
  return GenotypicTerms(locmap, qtleff).of(pack(plant));
}

std::int32_t fhb_status(const PlantGeno& plant, const LocusMap& locmap) {
  return MajorGeneRows(locmap).status(pack(plant));
}

TraitValues prediction(const PlantGeno& plant, const LocusMap& locmap,
                       const MarkerEffects& mrkeff) {
  return PredictionTerms(locmap, mrkeff).of(pack(plant));
}

}  // namespace tf
