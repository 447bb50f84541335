#include "genetics/evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "genetics/effects.h"
#include "test_genome.h"
#include "text/internal_error.h"

namespace tf {
namespace {

class Evaluation : public testing::Test {
 protected:
  Evaluation()
      : locmap_(fixture::random_locus_map(77)),
        qtleff_(NQTL),
        mrkeff_(fixture::random_marker_effects(78)) {
    geneffects(locmap_, qtleff_);
  }

  std::size_t major_locus() const {
    for (std::size_t i = 0; i < locmap_.size(); ++i) {
      if (locmap_[i].code == MAJORQTL) return i;
    }
    return 0;
  }

  LocusMap locmap_;
  QtlEffectTable qtleff_;
  MarkerEffects mrkeff_;
};

// The sums as the rules define them, over codes in row order.
TraitValues reference_values(const PlantGeno& plant, const LocusMap& locmap,
                             const QtlEffectTable& qtleff) {
  TraitValues sums{};
  for (std::size_t i = 0; i < locmap.size(); ++i) {
    const std::int32_t q = locmap[i].code;
    if (q <= 0) continue;
    const std::int32_t a = plant.chromatid[0][i];
    const std::int32_t b = plant.chromatid[1][i];
    const std::size_t g = a == 1 && b == 1 ? 0 : a == 2 && b == 2 ? 1 : 2;
    if (g == 2) continue;
    for (std::size_t t = 0; t < NTRAIT; ++t)
      sums[t] += qtleff[static_cast<std::size_t>(q) - 1][g][t];
  }
  return sums;
}

TraitValues reference_prediction(const PlantGeno& plant, const LocusMap& locmap,
                                 const MarkerEffects& mrkeff) {
  TraitValues sums{};
  for (std::size_t i = 0; i < locmap.size(); ++i) {
    const std::int32_t code = locmap[i].code;
    if (code >= 0) continue;
    const std::int32_t a = plant.chromatid[0][i];
    const std::int32_t b = plant.chromatid[1][i];
    const int score = a == 1 && b == 1 ? -1 : a == 2 && b == 2 ? 1 : 0;
    for (std::size_t t = 0; t < NTRAIT; ++t) {
      sums[t] += static_cast<double>(score) * mrkeff[static_cast<std::size_t>(-code) - 1][t];
    }
  }
  for (std::size_t t = 0; t < NTRAIT; ++t) sums[t] += mrkeff[NCOEF - 1][t];
  return sums;
}

TEST_F(Evaluation, AllHeterozygousEntry) {
  for (const PlantGeno& plant : {fixture::uniform_plant(1, 2), fixture::uniform_plant(2, 1)}) {
    const TraitValues values = genotypic_values(plant, locmap_, qtleff_);
    for (const double v : values) {
      EXPECT_EQ(v, 0.0);
      EXPECT_FALSE(std::signbit(v));
    }
    EXPECT_EQ(prediction(plant, locmap_, mrkeff_), mrkeff_[NCOEF - 1]);
  }
}

TEST_F(Evaluation, SumsInRowOrderToTheLastBit) {
  std::mt19937 rng(79);
  for (int n = 0; n < 40; ++n) {
    SCOPED_TRACE(n);
    PlantGeno plant = fixture::random_plant(rng);
    if (n % 2 == 1) plant.chromatid[1] = plant.chromatid[0];  // a line
    EXPECT_EQ(genotypic_values(plant, locmap_, qtleff_), reference_values(plant, locmap_, qtleff_));
    EXPECT_EQ(prediction(plant, locmap_, mrkeff_), reference_prediction(plant, locmap_, mrkeff_));
  }
}

TEST_F(Evaluation, HomozygousClassesAddTheirCells) {
  const PlantGeno ones = fixture::uniform_plant(1, 1);
  const PlantGeno twos = fixture::uniform_plant(2, 2);
  const TraitValues v1 = genotypic_values(ones, locmap_, qtleff_);
  const TraitValues v2 = genotypic_values(twos, locmap_, qtleff_);
  // Class 1 is the negation of class 2 cell by cell, so the sums are too.
  for (std::size_t t = 0; t < NTRAIT; ++t) EXPECT_EQ(v1[t], -v2[t]);
  EXPECT_NE(v1[0], 0.0);
  const TraitValues p1 = prediction(ones, locmap_, mrkeff_);
  const TraitValues p2 = prediction(twos, locmap_, mrkeff_);
  for (std::size_t t = 0; t < NTRAIT; ++t) {
    EXPECT_NEAR(p1[t] + p2[t], 2 * mrkeff_[NCOEF - 1][t], 1e-9);
  }
}

TEST_F(Evaluation, FhbStatusAtTheMajorGene) {
  struct Case {
    std::int32_t a, b, status;
  };
  const Case cases[] = {{1, 1, 2}, {1, 2, 1}, {2, 1, 1}, {2, 2, 0}};
  std::mt19937 rng(80);
  const std::size_t major = major_locus();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << "/" << c.b);
    PlantGeno plant = fixture::random_plant(rng);
    plant.chromatid[0][major] = c.a;
    plant.chromatid[1][major] = c.b;
    EXPECT_EQ(fhb_status(plant, locmap_), c.status);
  }
  LocusMap without = locmap_;
  without[major].code = 0;
  EXPECT_EQ(fhb_status(fixture::uniform_plant(1, 1), without), 0);
}

TEST_F(Evaluation, CodesBeyondTheTablesAddNothing) {
  const LocusMap odd = {{NQTL + 1, 1, 0}, {-(NMRK + 1), 1, 5}, {0, 1, 9}, {-2147483647, 1, 9}};
  const PlantGeno ones = fixture::uniform_plant(1, 1);
  EXPECT_EQ(genotypic_values(ones, odd, qtleff_), (TraitValues{}));
  EXPECT_EQ(prediction(ones, odd, mrkeff_), mrkeff_[NCOEF - 1]);
}

TEST_F(Evaluation, TablesOfTheWrongSizeAreRefused) {
  const PlantGeno plant = fixture::uniform_plant(1, 1);
  EXPECT_THROW(prediction(plant, locmap_, MarkerEffects(NCOEF - 1)), InternalError);
  EXPECT_THROW(genotypic_values(plant, LocusMap(NLOCI + 1), qtleff_), InternalError);
  // A shorter locus table is fine: its rows are the first loci.
  EXPECT_EQ(fhb_status(plant, LocusMap{{MAJORQTL, 1, 0}}), 2);
}

}  // namespace
}  // namespace tf

namespace tf {
namespace {

// A marker on two rows takes the score of the last row at which the entry is
// homozygous, as a score table set row by row would hold it.
TEST(EvaluationRepeatedMarker, LastHomozygousRowSetsTheScore) {
  LocusMap locmap(NLOCI);
  for (int i = 0; i < NLOCI; ++i)
    locmap[static_cast<std::size_t>(i)] = {i < NQTL ? i + 1 : -(i - NQTL + 1), 1, i};
  locmap[NLOCI - 1].code = -5;  // marker 512 is gone, marker 5 stands twice
  const std::size_t first = NQTL + 4;
  const std::size_t second = NLOCI - 1;
  MarkerEffects mrkeff(NCOEF, TraitValues{0.0, 0.0, 0.0});
  mrkeff[4] = {1.0, 2.0, 3.0};
  struct Case {
    const char* name;
    std::array<std::int32_t, 2> at_first;
    std::array<std::int32_t, 2> at_second;
    double score;
  };
  const Case cases[] = {
      {"both rows 2/2", {2, 2}, {2, 2}, 1.0},
      {"2/2 then 1/1", {2, 2}, {1, 1}, -1.0},
      {"2/2 then heterozygous", {2, 2}, {1, 2}, 1.0},
      {"heterozygous then 1/1", {2, 1}, {1, 1}, -1.0},
      {"heterozygous on both", {1, 2}, {2, 1}, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlantGeno plant = fixture::uniform_plant(1, 2);  // heterozygous everywhere else
    for (int h = 0; h < 2; ++h) {
      plant.chromatid[h][first] = c.at_first[h];
      plant.chromatid[h][second] = c.at_second[h];
    }
    EXPECT_EQ(prediction(plant, locmap, mrkeff), (TraitValues{c.score, 2 * c.score, 3 * c.score}));
  }
}

}  // namespace
}  // namespace tf
