#include "genetics/meiosis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "test_genome.h"
#include "text/internal_error.h"

namespace tf {
namespace {

using fixture::advanced;
using fixture::locus_map_from;
using fixture::same_state;
using fixture::seeded;

// The gamete as the rule states it, on the deviates themselves: u < 0.5
// takes chromatid 1 at a chromosome start; u <= r switches elsewhere.
Gamete reference_meiosis(const PlantGeno& plant, const LocusMap& locmap, RandomStream& stream) {
  Gamete gamete;
  int k = ran2(stream) < 0.5F ? 0 : 1;
  gamete[0] = plant.chromatid[k][0];
  for (std::size_t j = 1; j < NLOCI; ++j) {
    if (locmap[j].chromosome > locmap[j - 1].chromosome) {
      k = ran2(stream) < 0.5F ? 0 : 1;
    } else {
      const float r = kosambi_fraction(locmap[j].position - locmap[j - 1].position);
      if (ran2(stream) <= r) k = 1 - k;
    }
    gamete[j] = plant.chromatid[k][j];
  }
  return gamete;
}

void reference_selfing(PlantGeno& plant, const LocusMap& locmap, RandomStream& stream) {
  for (int generation = 0; generation < 5; ++generation) {
    PlantGeno next;
    next.chromatid[0] = reference_meiosis(plant, locmap, stream);
    next.chromatid[1] = reference_meiosis(plant, locmap, stream);
    plant = next;
  }
  plant.chromatid[1] = plant.chromatid[0];
}

// A random map with what the loader would let through and what it would
// not: a chromosome number that falls, falling positions, long gaps, a
// gap past the overflow of the power, chromosomes of one locus.
LocusMap awkward_map() {
  LocusMap locmap = fixture::random_locus_map(11);
  locmap[100].chromosome = locmap[99].chromosome - 1;
  locmap[101].chromosome = locmap[99].chromosome;
  locmap[200].position = locmap[199].position - 35;
  locmap[300].position = locmap[299].position + 1500;
  locmap[301].position = locmap[300].position + 30000;
  for (std::size_t j = 900; j < NLOCI; ++j) locmap[j].chromosome = static_cast<std::int32_t>(j);
  return locmap;
}

TEST(Kosambi, FractionsOfWholeCentimorgans) {
  struct Case {
    std::int64_t tenths;
    float fraction;
  };
  const Case cases[] = {
      {0, 0.0F},        {9, 0.0F},        {10, 0.0099987F},  {19, 0.0099987F}, {100, 0.098688F},
      {250, 0.231058F}, {500, 0.380797F}, {1000, 0.482014F}, {-5, 0.0F},       {-15, -0.0099987F},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tenths);
    EXPECT_NEAR(kosambi_fraction(c.tenths), c.fraction, 5e-7);
  }
}

TEST(Kosambi, OverflowingPowerGivesTheLimit) {
  EXPECT_EQ(kosambi_fraction(30000), 0.5F);
  EXPECT_EQ(kosambi_fraction(2147483647LL * 2), 0.5F);
  EXPECT_LT(kosambi_fraction(-30000), -0.49F);
}

TEST(RecombinationMap, StartsAndFractions) {
  const LocusMap locmap = locus_map_from({{1, 1, 0},
                                          {2, 1, 105},
                                          {3, 2, 40},
                                          {4, 2, 49},
                                          {5, 1, 550},  // a falling chromosome number
                                          {6, 1, 500},  // a falling position
                                          {7, 3, 0}});
  const RecombinationMap map(locmap);
  const bool starts[] = {true, false, true, false, false, false, true, true};
  for (int j = 0; j < 8; ++j) EXPECT_EQ(map.starts_chromosome(j), starts[j]) << j;
  EXPECT_EQ(map.fraction(1), kosambi_fraction(105));
  EXPECT_EQ(map.fraction(3), 0.0F);
  EXPECT_EQ(map.fraction(4), kosambi_fraction(501));
  EXPECT_EQ(map.fraction(5), kosambi_fraction(-50));
  EXPECT_FALSE(map.starts_chromosome(NLOCI - 1));
  EXPECT_THROW(RecombinationMap(LocusMap(NLOCI - 1)), InternalError);
}

TEST(RecombinationMap, BoundsSplitTheDeviatesAtEachThreshold) {
  const RecombinationMap map(awkward_map());
  const float below_half = std::nextafter(0.5F, 0.0F);
  for (int j = 0; j < NLOCI; ++j) {
    SCOPED_TRACE(j);
    const float threshold = map.starts_chromosome(j) ? below_half : map.fraction(j);
    const std::int32_t b = map.bound(j);
    if (b > 0) {
      EXPECT_LE(ran2_detail::deviate(b), threshold);
    }
    if (b < 2147483562) {
      EXPECT_GT(ran2_detail::deviate(b + 1), threshold);
    }
  }
  EXPECT_EQ(deviate_bound(-0.01F), 0);
  EXPECT_EQ(deviate_bound(0.0F), 0);
  EXPECT_EQ(deviate_bound(4.6566134e-10F), 1);
  EXPECT_EQ(deviate_bound(0.99999988F), 2147483562);
}

TEST(Meiosis, MatchesTheRuleOnTheDeviates) {
  const LocusMap locmap = awkward_map();
  const RecombinationMap map(locmap);
  std::mt19937 rng(5);
  const PlantGeno plant = fixture::random_plant(rng);
  RandomStream fast = seeded(-321);
  RandomStream reference = seeded(-321);
  for (int n = 0; n < 300; ++n) {
    Gamete gamete;
    meiosis(plant, map, gamete, fast);
    ASSERT_EQ(gamete, reference_meiosis(plant, locmap, reference)) << "gamete " << n;
    ASSERT_TRUE(same_state(fast, reference)) << "gamete " << n;
  }
}

TEST(Meiosis, ComparisonsAtTheDeviateHalf) {
  // Locus 1 lies 3000 cM from locus 0: fraction 0.5, equal to the deviate.
  const RecombinationMap map(locus_map_from({{1, 1, 0}, {2, 1, 30000}}));
  const PlantGeno plant = fixture::uniform_plant(1, 2);
  constexpr std::int32_t kHalf = 1073741760;  // deviate exactly 0.5
  const std::int32_t kBelowHalf = deviate_bound(std::nextafter(0.5F, 0.0F));
  constexpr std::int32_t kAboveHalf = kHalf + 128;
  ASSERT_EQ(ran2_detail::deviate(kHalf), 0.5F);
  ASSERT_LT(ran2_detail::deviate(kBelowHalf), 0.5F);
  ASSERT_GT(ran2_detail::deviate(kAboveHalf), 0.5F);
  struct Case {
    std::int32_t iy1, iy2;
    std::int32_t code0, code1;
  };
  const Case cases[] = {
      {kHalf, kHalf, 2, 1},  // 0.5 is not < 0.5: chromatid 2; 0.5 <= 0.5 switches
      {kBelowHalf, kHalf, 1, 2},
      {kHalf, kAboveHalf, 2, 2},  // above the fraction: no switch
      {kBelowHalf, kAboveHalf, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.iy1 << " " << c.iy2);
    RandomStream stream = fixture::stream_with_next_iys(c.iy1, c.iy2);
    Gamete gamete;
    meiosis(plant, map, gamete, stream);
    EXPECT_EQ(gamete[0], c.code0);
    EXPECT_EQ(gamete[1], c.code1);
  }
}

TEST(Meiosis, OneDeviatePerLocusWhateverTheMap) {
  LocusMap one_chromosome(NLOCI, LocusRow{1, 1, 0});
  LocusMap every_locus_its_own(NLOCI);
  for (std::size_t j = 0; j < NLOCI; ++j)
    every_locus_its_own[j] = {1, static_cast<std::int32_t>(j), 0};
  const LocusMap maps[] = {one_chromosome, every_locus_its_own, awkward_map()};
  std::mt19937 rng(9);
  const PlantGeno plant = fixture::random_plant(rng);
  for (const LocusMap& locmap : maps) {
    const RecombinationMap map(locmap);
    RandomStream stream = seeded(-40);
    Gamete gamete;
    meiosis(plant, map, gamete, stream);
    meiosis(plant, map, gamete, stream);
    EXPECT_TRUE(same_state(stream, advanced(seeded(-40), 2 * NLOCI)));
  }
}

TEST(Meiosis, LessThanOneCentimorganNeverRecombines) {
  LocusMap locmap(NLOCI);
  std::int32_t position = 0;
  for (std::size_t j = 0; j < NLOCI; ++j) {
    position += static_cast<std::int32_t>(j % 10);  // 0 to 9 tenths apart
    locmap[j] = {1, 1, position};
  }
  const RecombinationMap map(locmap);
  const PlantGeno plant = fixture::uniform_plant(1, 2);
  RandomStream stream = seeded(-3);
  int from2 = 0;
  for (int n = 0; n < 200; ++n) {
    Gamete gamete;
    meiosis(plant, map, gamete, stream);
    for (const std::int32_t code : gamete) ASSERT_EQ(code, gamete[0]) << "gamete " << n;
    from2 += gamete[0] == 2 ? 1 : 0;
  }
  EXPECT_GT(from2, 50);  // the start still chooses either chromatid
  EXPECT_LT(from2, 150);
}

// Past about 2218 cM between neighbours the single-precision power of the
// fraction overflows, and plain arithmetic would give inf / inf, never a
// crossover: the limit 0.5 stands there, and the loci segregate freely.
TEST(Meiosis, GapPastThePowerRangeSegregatesFreely) {
  // 2219 cM, just past the range, then 100,000 cM more.
  const RecombinationMap map(locus_map_from({{1, 1, 0}, {2, 1, 22190}, {3, 1, 1022190}}));
  EXPECT_TRUE(std::isinf(std::pow(2.71828F, 4.0F * 22.19F)));
  const PlantGeno plant = fixture::uniform_plant(1, 2);
  RandomStream stream = seeded(-77);
  constexpr int kGametes = 4000;
  int recombinant[3] = {0, 0, 0};
  for (int n = 0; n < kGametes; ++n) {
    Gamete gamete;
    meiosis(plant, map, gamete, stream);
    for (int j = 1; j < 3; ++j) recombinant[j] += gamete[j] != gamete[j - 1] ? 1 : 0;
  }
  for (int j = 1; j < 3; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(map.fraction(j), 0.5F);
    // Half of the gametes, give or take six standard deviations (32).
    EXPECT_NEAR(recombinant[j], kGametes / 2, 190);
  }
}

TEST(Meiosis, HomozygousPlantGivesItself) {
  const RecombinationMap map(fixture::random_locus_map(3));
  std::mt19937 rng(4);
  PlantGeno plant = fixture::random_plant(rng);
  plant.chromatid[1] = plant.chromatid[0];
  RandomStream stream = seeded(-8);
  Gamete gamete;
  meiosis(plant, map, gamete, stream);
  EXPECT_EQ(gamete, plant.chromatid[0]);
  EXPECT_TRUE(same_state(stream, advanced(seeded(-8), NLOCI)));
}

TEST(Meiosis, PackedGameteEqualsTheGameteOfCodes) {
  const RecombinationMap map(fixture::random_locus_map(21));
  std::mt19937 rng(22);
  const PlantGeno plant = fixture::random_plant(rng);
  const PackedPlant packed = pack(plant);
  RandomStream by_codes = seeded(-99);
  RandomStream by_words = seeded(-99);
  for (int n = 0; n < 100; ++n) {
    Gamete gamete;
    meiosis(plant, map, gamete, by_codes);
    PackedChromatid words;
    meiosis(packed, map, words, by_words);
    PackedChromatid expected;
    pack_chromatid(gamete.data(), expected);
    ASSERT_EQ(words, expected) << "gamete " << n;
  }
  EXPECT_TRUE(same_state(by_codes, by_words));
}

TEST(Meiosis, GameteMayReplaceAChromatidOfItsPlant) {
  const RecombinationMap map(fixture::random_locus_map(23));
  std::mt19937 rng(24);
  const PlantGeno plant = fixture::random_plant(rng);
  RandomStream s1 = seeded(-5);
  RandomStream s2 = seeded(-5);
  Gamete expected;
  meiosis(plant, map, expected, s1);
  PlantGeno in_place = plant;
  meiosis(in_place, map, in_place.chromatid[1], s2);
  EXPECT_EQ(in_place.chromatid[1], expected);
  PackedPlant packed = pack(plant);
  RandomStream s3 = seeded(-5);
  meiosis(packed, map, packed.chromatid[0], s3);
  PackedChromatid words;
  pack_chromatid(expected.data(), words);
  EXPECT_EQ(packed.chromatid[0], words);
}

TEST(Selfing, FiveGenerationsThenChromatidOneTwice) {
  const LocusMap locmap = awkward_map();
  const RecombinationMap map(locmap);
  std::mt19937 rng(31);
  for (int n = 0; n < 5; ++n) {
    SCOPED_TRACE(n);
    const PlantGeno f2 = fixture::random_plant(rng);
    PlantGeno expected = f2;
    RandomStream reference = seeded(-17 - n);
    reference_selfing(expected, locmap, reference);

    PlantGeno line = f2;
    RandomStream stream = seeded(-17 - n);
    selfing(line, map, stream);
    EXPECT_EQ(line.chromatid[0], expected.chromatid[0]);
    EXPECT_EQ(line.chromatid[1], line.chromatid[0]);
    EXPECT_TRUE(same_state(stream, reference));
    EXPECT_TRUE(same_state(stream, advanced(seeded(-17 - n), 10 * NLOCI)));

    PackedPlant packed = pack(f2);
    RandomStream packed_stream = seeded(-17 - n);
    selfing(packed, map, packed_stream);
    EXPECT_EQ(packed.chromatid[0], pack(expected).chromatid[0]);
    EXPECT_EQ(packed.chromatid[1], packed.chromatid[0]);
  }
}

TEST(Selfing, HomozygousPlantStaysAsItIs) {
  const RecombinationMap map(fixture::random_locus_map(41));
  std::mt19937 rng(42);
  PlantGeno plant = fixture::random_plant(rng);
  plant.chromatid[1] = plant.chromatid[0];
  const PlantGeno before = plant;
  RandomStream stream = seeded(-2);
  selfing(plant, map, stream);
  EXPECT_EQ(plant.chromatid, before.chromatid);
  EXPECT_TRUE(same_state(stream, advanced(seeded(-2), 10 * NLOCI)));
}

}  // namespace
}  // namespace tf
