// One F2 plant worked out by hand from the deviates of seed -1, so that the
// use of the stream is checked against a derivation made without the code.
#include <gtest/gtest.h>

#include <sstream>

#include "game/populations.h"
#include "genetics/effects.h"
#include "genetics/evaluation.h"
#include "genetics/meiosis.h"
#include "genetics/population.h"
#include "test_genome.h"

namespace tf {
namespace {

// Chromosome 1 holds six loci; the other 906 rows carry code 0 on
// chromosome 2, all at position 0 (no crossover among them).
//
//   locus  code        position (tenths)  interval   fraction r
//   0      QTL 1       0                  start      -
//   1      marker 1    5                  0.5 cM     0 (under 1 cM)
//   2      marker 2    105                10 cM      0.098688
//   3      QTL 8       105                0          0
//   4      QTL 303     1105               100 cM     0.482014
//   5      marker 3    1605               50 cM      0.380797
//   6      code 0      chromosome 2       start      -
LocusMap worked_map() {
  return fixture::locus_map_from(
      {{1, 1, 0}, {-1, 1, 5}, {-2, 1, 105}, {8, 1, 105}, {MAJORQTL, 1, 1105}, {-3, 1, 1605}});
}

// The F1 of parent 1 (code 1 everywhere) and parent 2 (code 2 everywhere):
// the code of a locus is the chromatid it comes from.
//
// Gamete 1 takes deviates 1 to 7 of seed -1 (the first three published, the
// rest from the independent Python generator of ran2_test.cpp):
//   locus 0: 0.28538093 < 0.5                -> chromatid 1, code 1
//   locus 1: 0.25335822 > 0                  -> stays,       code 1
//   locus 2: 0.09346853 <= 0.098688          -> switches,    code 2
//   locus 3: 0.60849690 > 0                  -> stays,       code 2
//   locus 4: 0.90342033 > 0.482014           -> stays,       code 2
//   locus 5: 0.19587322 <= 0.380797          -> switches,    code 1
//   locus 6: 0.46295360 < 0.5 (new chromosome) -> chromatid 1, code 1 to the end
// Gamete 2 takes deviates 913 to 919:
//   locus 0: 0.97945094 >= 0.5               -> chromatid 2, code 2
//   locus 1: 0.81643575 > 0                  -> stays,       code 2
//   locus 2: 0.48411611 > 0.098688           -> stays,       code 2
//   locus 3: 0.73592806 > 0                  -> stays,       code 2
//   locus 4: 0.44039556 <= 0.482014          -> switches,    code 1
//   locus 5: 0.39661494 > 0.380797           -> stays,       code 1
//   locus 6: 0.96660322 >= 0.5 (new chromosome) -> chromatid 2, code 2 to the end
const std::int32_t kGamete1[] = {1, 1, 2, 2, 2, 1, 1};
const std::int32_t kGamete2[] = {2, 2, 2, 2, 1, 1, 2};

TEST(WorkedCase, FirstGameteOfTheF1) {
  const RecombinationMap map(worked_map());
  RandomStream stream = fixture::seeded(-1);
  Gamete gamete;
  meiosis(fixture::uniform_plant(1, 2), map, gamete, stream);
  for (int j = 0; j < 7; ++j) EXPECT_EQ(gamete[j], kGamete1[j]) << j;
  for (int j = 7; j < NLOCI; ++j) ASSERT_EQ(gamete[j], 1) << j;
}

TEST(WorkedCase, F2PlantAndItsValues) {
  const LocusMap locmap = worked_map();
  QtlEffectTable qtleff(NQTL);
  geneffects(locmap, qtleff);
  ParentGenotypes pargeno(NPAR);
  pargeno[0].fill(1);
  pargeno[1].fill(2);
  MarkerEffects mrkeff(NCOEF, TraitValues{});
  mrkeff[0] = {1000, 2000, 4000};    // marker 1
  mrkeff[1] = {0.5, 0.25, 0.125};    // marker 2
  mrkeff[2] = {8, 16, 32};           // marker 3
  mrkeff[NCOEF - 1] = {100, 10, 1};  // intercept
  const GenomeModel model{locmap, qtleff, pargeno, mrkeff};

  std::istringstream in;
  std::ostringstream out;
  Console con(in, out);
  GenoTable geno(1);
  std::vector<std::array<std::int32_t, 2>> plantpar(1);
  std::vector<std::int32_t> fhbstat(1);
  std::vector<TraitValues> pred(1);
  RandomStream stream = fixture::seeded(-1);
  f2plant(model, {{1, 2}}, {1}, stream, geno, plantpar, fhbstat, pred, cross_lines(con));

  EXPECT_EQ(out.str(), "    Cross   1: Line  1 x Line  2\n");
  const PlantGeno plant = fixture::read_codes(geno, 0);
  for (std::size_t j = 0; j < 7; ++j) {
    EXPECT_EQ(plant.chromatid[0][j], kGamete1[j]) << j;
    EXPECT_EQ(plant.chromatid[1][j], kGamete2[j]) << j;
  }
  EXPECT_EQ(plant.chromatid[0].back(), 1);
  EXPECT_EQ(plant.chromatid[1].back(), 2);

  // QTL 303 is 2/1: one resistance allele.
  EXPECT_EQ(fhbstat[0], 1);
  // Markers 1/2 (0), 2/2 (+1), 1/1 (-1): intercept + marker 2 - marker 3.
  EXPECT_EQ(pred[0], (TraitValues{100 + 0.5 - 8, 10 + 0.25 - 16, 1 + 0.125 - 32}));

  // Genotypic values: QTL 1 and 303 are heterozygous, QTL 8 is 2/2. QTL 8,
  // even, is the first protein QTL of the table and below 270: class 2 is
  // -(399/401)^8 for yield, +(79/81)^1 for protein, 0 for Fhb.
  const TraitValues values = genotypic_values(plant, locmap, qtleff);
  EXPECT_EQ(values, qtleff[7][1]);
  EXPECT_FLOAT_EQ(static_cast<float>(values[0]), -0.96078920F);
  EXPECT_FLOAT_EQ(static_cast<float>(values[1]), 0.97530866F);
  EXPECT_EQ(values[2], 0.0);

  // 1824 draws; the state of the independent generator after as many.
  EXPECT_EQ(stream.idum, 1737830263);
  EXPECT_EQ(stream.idum2, 1934527838);
  EXPECT_EQ(stream.iy, 1032782516);
}

}  // namespace
}  // namespace tf
