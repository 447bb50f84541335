#include "genetics/geno.h"

#include <gtest/gtest.h>

#include <random>

#include "test_genome.h"

namespace tf {
namespace {

// First and last loci and both sides of every word boundary that matters.
constexpr int kEdgeLoci[] = {0, 1, 63, 64, 127, 128, 895, 896, 910, 911};

TEST(GenoTable, CreatedWithCodeOneEverywhere) {
  const GenoTable geno(3);
  EXPECT_EQ(geno.size(), 3U);
  for (std::size_t e = 0; e < 3; ++e) {
    for (const int locus : kEdgeLoci) {
      EXPECT_EQ(geno.code(e, locus, 0), 1);
      EXPECT_EQ(geno.code(e, locus, 1), 1);
    }
  }
}

TEST(GenoTable, SingleCodesStayWhereTheyAreWritten) {
  for (const int locus : kEdgeLoci) {
    for (int chromatid = 0; chromatid < 2; ++chromatid) {
      SCOPED_TRACE(testing::Message() << "locus " << locus << " chromatid " << chromatid);
      GenoTable geno(3);
      geno.set_code(1, locus, chromatid, 2);
      PlantGeno plant;
      for (std::size_t e = 0; e < 3; ++e) {
        geno.read_plant(e, plant);
        for (int h = 0; h < 2; ++h) {
          for (int i = 0; i < NLOCI; ++i) {
            const int expected = e == 1 && h == chromatid && i == locus ? 2 : 1;
            ASSERT_EQ(geno.code(e, i, h), expected) << e << " " << h << " " << i;
            ASSERT_EQ(plant.chromatid[static_cast<std::size_t>(h)][static_cast<std::size_t>(i)],
                      expected);
          }
        }
      }
      geno.set_code(1, locus, chromatid, 1);
      EXPECT_EQ(geno.code(1, locus, chromatid), 1);
    }
  }
}

TEST(GenoTable, PlantsRoundTripThroughEveryAccessor) {
  std::mt19937 rng(1);
  const PlantGeno a = fixture::random_plant(rng);
  const PlantGeno b = fixture::random_plant(rng);
  GenoTable geno(4);
  geno.write_plant(0, a);
  geno.write_chromatid(1, 0, b.chromatid[0].data());
  geno.write_chromatid(1, 1, b.chromatid[1].data());
  geno.write_plant(2, pack(a));
  for (const int locus : kEdgeLoci) {
    for (int h = 0; h < 2; ++h) geno.set_code(3, locus, h, b.chromatid[h][locus]);
  }

  PlantGeno read;
  geno.read_plant(0, read);
  EXPECT_EQ(read.chromatid, a.chromatid);
  std::array<std::int32_t, NLOCI> chromatid;
  geno.read_chromatid(1, 1, chromatid.data());
  EXPECT_EQ(chromatid, b.chromatid[1]);
  PackedPlant packed;
  geno.read_plant(2, packed);
  EXPECT_EQ(packed.chromatid, pack(a).chromatid);
  geno.read_plant(1, packed);
  EXPECT_EQ(packed.chromatid, pack(b).chromatid);
  for (const int locus : kEdgeLoci) {
    for (int h = 0; h < 2; ++h) EXPECT_EQ(geno.code(3, locus, h), b.chromatid[h][locus]);
  }
  const PackedChromatid a2 = pack(a).chromatid[1];
  EXPECT_TRUE(std::equal(a2.begin(), a2.end(), geno.chromatid_words(2, 1)));
  EXPECT_TRUE(std::equal(packed.chromatid[1].begin(), packed.chromatid[1].end(),
                         geno.chromatid_words(1, 1)));
}

TEST(Packing, BitsPastTheLastLocusStayZero) {
  const PackedPlant packed = pack(fixture::uniform_plant(2, 2));
  const std::uint64_t last = packed.chromatid[0][kGenoWords - 1];
  EXPECT_EQ(last, (std::uint64_t{1} << (NLOCI % kGenoWordBits)) - 1);  // loci 896..911
  EXPECT_EQ(packed.chromatid[0][0], ~std::uint64_t{0});
  PlantGeno back;
  unpack(packed, back);
  EXPECT_EQ(back.chromatid, fixture::uniform_plant(2, 2).chromatid);
}

}  // namespace
}  // namespace tf
