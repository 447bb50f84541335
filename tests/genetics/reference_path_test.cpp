// The F2 plants and inbred lines of a mid-size game on the shipped genome,
// made twice: by the game's fast path, and by a plain reference that applies
// each rule literally (a float deviate and a Kosambi power at every locus,
// genotypes as codes, a marker-score table). Every value, every status and
// the stream afterwards must agree to the bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>
#include <vector>

#include "game/genome_data.h"
#include "genetics/effects.h"
#include "genetics/population.h"
#include "state/tables.h"
#include "test_genome.h"
#include "text/file_channel.h"

namespace tf {
namespace {

using Plant = std::array<std::vector<std::int32_t>, 2>;

float float_from_bits(std::uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

std::vector<std::int32_t> ref_gamete(const Plant& p, const LocusMap& map, RandomStream& s) {
  const float base = float_from_bits(0x402DF84D);  // 2.7182801
  std::vector<std::int32_t> g(NLOCI);
  int k = ran2(s) < 0.5F ? 0 : 1;
  g[0] = p[k][0];
  for (std::size_t j = 1; j < NLOCI; ++j) {
    if (map[j].chromosome > map[j - 1].chromosome) {
      k = ran2(s) < 0.5F ? 0 : 1;
    } else {
      const std::int32_t c = (map[j].position - map[j - 1].position) / 10;
      const float d = static_cast<float>(c) / 100.0F;
      const float e =
          static_cast<float>(std::pow(static_cast<double>(base), static_cast<double>(4.0F * d)));
      const float r = 0.5F * (e - 1.0F) / (e + 1.0F);
      if (ran2(s) <= r) k = 1 - k;
    }
    g[j] = p[k][j];
  }
  return g;
}

std::int32_t ref_status(const Plant& p, const LocusMap& map) {
  std::int32_t status = 0;
  for (std::size_t i = 0; i < NLOCI; ++i) {
    if (map[i].code != MAJORQTL) continue;
    if (p[0][i] == 1 && p[1][i] == 1) {
      status = 2;
    } else if (p[0][i] != p[1][i]) {
      status = 1;
    }
  }
  return status;
}

// Predictions from a marker-score table; the products are summed in the
// order of the locus table, the intercept last.
TraitValues ref_prediction(const Plant& p, const LocusMap& map, const MarkerEffects& mrkeff) {
  std::vector<std::int32_t> score(NCOEF, 0);
  for (std::size_t i = 0; i < NLOCI; ++i) {
    if (map[i].code >= 0) continue;
    const std::size_t m = static_cast<std::size_t>(-map[i].code) - 1;
    if (p[0][i] == 1 && p[1][i] == 1) score[m] = -1;
    if (p[0][i] == 2 && p[1][i] == 2) score[m] = 1;
  }
  score[NCOEF - 1] = 1;
  TraitValues sum{};
  for (std::size_t t = 0; t < NTRAIT; ++t) {
    for (std::size_t i = 0; i < NLOCI; ++i) {
      if (map[i].code >= 0) continue;
      const std::size_t m = static_cast<std::size_t>(-map[i].code) - 1;
      sum[t] += static_cast<double>(score[m]) * mrkeff[m][t];
    }
    sum[t] += static_cast<double>(score[NCOEF - 1]) * mrkeff[NCOEF - 1][t];
  }
  return sum;
}

TraitValues ref_values(const Plant& p, const LocusMap& map, const QtlEffectTable& qtleff) {
  TraitValues sum{};
  for (std::size_t i = 0; i < NLOCI; ++i) {
    if (map[i].code <= 0) continue;
    const QtlEffect& cell = qtleff[static_cast<std::size_t>(map[i].code) - 1];
    for (std::size_t t = 0; t < NTRAIT; ++t) {
      if (p[0][i] == 1 && p[1][i] == 1) sum[t] += cell[0][t];
      if (p[0][i] == 2 && p[1][i] == 2) sum[t] += cell[1][t];
    }
  }
  return sum;
}

TEST(ReferencePath, F2PlantsAndLinesAgreeWithTheLiteralRules) {
  FileChannel files(TF_DATA_DIR);
  GenomeTables genome;
  genome.create();
  load_locus_map(files, genome.locmap);
  load_parent_genotypes(files, genome.pargeno);
  geneffects(genome.locmap, genome.qtleff);
  load_marker_effects(files, genome.mrkeff);

  CrossTables crosses;
  crosses.create(4);
  crosses.crosspar = {{1, 9}, {4, 10}, {7, 7}, {12, 3}};
  crosses.crosssize = {40, 35, 5, 30};
  EntryTable entries;
  entries.create(110);
  RandomStream fast;
  fast.idum = -345;
  const GenomeModel model{genome.locmap, genome.qtleff, genome.pargeno, genome.mrkeff};
  f2plant(model, crosses.crosspar, crosses.crosssize, fast, entries.geno, entries.plantpar,
          entries.fhbstat_f2, entries.pred_f2);

  RandomStream slow;
  slow.idum = -345;
  std::vector<Plant> plants;
  for (std::size_t c = 0; c < crosses.ncross(); ++c) {
    Plant f1;
    for (int h = 0; h < 2; ++h) {
      const auto& parent = genome.pargeno[static_cast<std::size_t>(crosses.crosspar[c][h]) - 1];
      f1[h].assign(parent.begin(), parent.end());
    }
    for (int n = 0; n < crosses.crosssize[c]; ++n) {
      Plant plant;
      plant[0] = ref_gamete(f1, genome.locmap, slow);
      plant[1] = ref_gamete(f1, genome.locmap, slow);
      plants.push_back(plant);
    }
  }
  ASSERT_EQ(plants.size(), entries.nplant());
  for (std::size_t e = 0; e < plants.size(); ++e) {
    SCOPED_TRACE(e + 1);
    const PlantGeno stored = fixture::read_codes(entries.geno, e);
    for (std::size_t h = 0; h < 2; ++h) {
      for (std::size_t i = 0; i < static_cast<std::size_t>(NLOCI); ++i) {
        ASSERT_EQ(stored.chromatid[h][i], plants[e][h][i]);
      }
    }
    EXPECT_EQ(entries.fhbstat_f2[e], ref_status(plants[e], genome.locmap));
    EXPECT_EQ(entries.pred_f2[e], ref_prediction(plants[e], genome.locmap, genome.mrkeff));
  }
  EXPECT_EQ(fast.idum, slow.idum);
  EXPECT_EQ(fast.idum2, slow.idum2);
  EXPECT_EQ(fast.iy, slow.iy);

  rilines(model, fast, entries.geno, entries.g_ri, entries.pred_ri, entries.fhbstat_ri);
  for (std::size_t e = 0; e < plants.size(); ++e) {
    SCOPED_TRACE(e + 1);
    Plant& p = plants[e];
    for (int generation = 0; generation < 5; ++generation) {
      Plant next;
      next[0] = ref_gamete(p, genome.locmap, slow);
      next[1] = ref_gamete(p, genome.locmap, slow);
      p = next;
    }
    p[1] = p[0];
    const PlantGeno stored = fixture::read_codes(entries.geno, e);
    for (std::size_t i = 0; i < static_cast<std::size_t>(NLOCI); ++i) {
      ASSERT_EQ(stored.chromatid[0][i], p[0][i]);
      ASSERT_EQ(stored.chromatid[1][i], p[0][i]);
    }
    EXPECT_EQ(entries.g_ri[e], ref_values(p, genome.locmap, genome.qtleff));
    EXPECT_EQ(entries.fhbstat_ri[e], ref_status(p, genome.locmap));
    EXPECT_EQ(entries.pred_ri[e], ref_prediction(p, genome.locmap, genome.mrkeff));
  }
  EXPECT_EQ(fast.idum, slow.idum);
  EXPECT_EQ(fast.idum2, slow.idum2);
  EXPECT_EQ(fast.iy, slow.iy);
}

}  // namespace
}  // namespace tf
