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
    EXPECT_EQ(fixture::read_codes(geno, e).chromatid, fixture::uniform_plant(1, 1).chromatid);
  }
}

TEST(GenoTable, SingleCodesStayWhereTheyAreWritten) {
  for (const int locus : kEdgeLoci) {
    for (int chromatid = 0; chromatid < 2; ++chromatid) {
      SCOPED_TRACE(testing::Message() << "locus " << locus << " chromatid " << chromatid);
      GenoTable geno(3);
      fixture::set_code(geno, 1, locus, chromatid, 2);
      for (std::size_t e = 0; e < 3; ++e) {
        const PlantGeno plant = fixture::read_codes(geno, e);
        for (int h = 0; h < 2; ++h) {
          for (int i = 0; i < NLOCI; ++i) {
            const int expected = e == 1 && h == chromatid && i == locus ? 2 : 1;
            ASSERT_EQ(plant.chromatid[static_cast<std::size_t>(h)][static_cast<std::size_t>(i)],
                      expected)
                << e << " " << h << " " << i;
          }
        }
      }
      fixture::set_code(geno, 1, locus, chromatid, 1);
      EXPECT_EQ(fixture::code(geno, 1, locus, chromatid), 1);
    }
  }
}

TEST(GenoTable, PlantsRoundTripInTheirOwnRows) {
  std::mt19937 rng(1);
  const PlantGeno a = fixture::random_plant(rng);
  const PlantGeno b = fixture::random_plant(rng);
  GenoTable geno(3);
  geno.write_plant(0, pack(a));
  geno.write_plant(2, pack(b));
  geno.write_plant(1, pack(b));
  geno.write_plant(1, pack(a));

  for (std::size_t e = 0; e < 3; ++e) {
    PackedPlant packed;
    geno.read_plant(e, packed);
    EXPECT_EQ(packed.chromatid, pack(e == 2 ? b : a).chromatid) << e;
  }
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
