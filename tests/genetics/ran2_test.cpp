#include "genetics/ran2.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "test_genome.h"

namespace tf {
namespace {

using fixture::advanced;
using fixture::same_state;
using fixture::seeded;
using fixture::stream_with_next_iy;

// The first deviates of seed -1. The first three are the published figures;
// the rest were computed once with a separate twenty-line Python version of
// the generator (integer state, single-precision rounding of the output by
// struct packing) and pasted here.
constexpr float kSeedMinus1[] = {0.28538093F, 0.25335822F, 0.09346853F, 0.60849690F,
                                 0.90342033F, 0.19587322F, 0.46295360F, 0.93902141F,
                                 0.12721576F, 0.41593114F, 0.53373903F, 0.10744609F};

TEST(Ran2, SeedMinusOneGivesTheKnownDeviates) {
  RandomStream s = seeded(-1);
  EXPECT_EQ(ran2(s), kSeedMinus1[0]);
  EXPECT_EQ(s.idum, 1454538876);
  for (std::size_t i = 1; i < std::size(kSeedMinus1); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ran2(s), kSeedMinus1[i]);
  }
}

TEST(Ran2, StateAfterManyDrawsMatchesTheIndependentGenerator) {
  // From the same Python generator: the state after 912 and 1824 draws.
  const RandomStream after912 = advanced(seeded(-1), 912);
  EXPECT_EQ(after912.idum, 620602725);
  EXPECT_EQ(after912.idum2, 176698305);
  EXPECT_EQ(after912.iy, 518185691);
  const RandomStream after1824 = advanced(after912, 912);
  EXPECT_EQ(after1824.idum, 1737830263);
  EXPECT_EQ(after1824.idum2, 1934527838);
  EXPECT_EQ(after1824.iy, 1032782516);
}

TEST(Ran2, SeedZeroStartsLikeMinusOne) {
  RandomStream zero = seeded(0);
  RandomStream minus_one = seeded(-1);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(ran2(zero), ran2(minus_one)) << i;
  EXPECT_TRUE(same_state(zero, minus_one));
}

TEST(Ran2, DifferentSeedsGiveDifferentStreams) {
  RandomStream a = seeded(-1);
  RandomStream b = seeded(-2);
  EXPECT_NE(ran2(a), ran2(b));
}

TEST(Ran2, NegativeStateRestartsTheStream) {
  RandomStream s = advanced(seeded(-7), 50);
  s.idum = -1;
  EXPECT_EQ(ran2(s), kSeedMinus1[0]);
  EXPECT_EQ(ran2(s), kSeedMinus1[1]);
}

TEST(Ran2, OutputHasItsCeilingAndFloor) {
  struct Case {
    std::int32_t iy;
    float deviate;
  };
  const Case cases[] = {
      {2147483562, 0.99999988F},                      // the product rounds to 1.0: the ceiling
      {2147483520, 0.99999988F},                      // still 1.0 or more before the ceiling
      {1, 4.6566134e-10F},                            // the floor: one unit of the scale
      {2, 9.3132268e-10F},       {1073741760, 0.5F},  // the deviate 0.5 itself occurs
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iy);
    RandomStream s = stream_with_next_iy(c.iy);
    EXPECT_EQ(ran2(s), c.deviate);
    EXPECT_EQ(s.iy, c.iy);
  }
}

TEST(Ran2, BurstDrawsAsRan2Does) {
  for (const std::int32_t seed : {-1, 0, -1118}) {
    SCOPED_TRACE(seed);
    RandomStream by_call = seeded(seed);
    RandomStream by_burst = seeded(seed);
    {
      StreamBurst burst(by_burst);
      for (int i = 0; i < 3000; ++i) {
        const std::int32_t iy = burst.next_iy();
        ASSERT_EQ(ran2_detail::deviate(iy), ran2(by_call)) << i;
        ASSERT_EQ(iy, by_call.iy) << i;
      }
    }
    EXPECT_TRUE(same_state(by_call, by_burst));
  }
}

// Schrage's form of one generator step, as the generator is usually written.
std::int32_t schrage(std::int32_t x, std::int32_t a, std::int32_t q, std::int32_t r,
                     std::int32_t m) {
  const std::int32_t k = x / q;
  const std::int32_t next = a * (x - k * q) - k * r;
  return next < 0 ? next + m : next;
}

TEST(Ran2, GeneratorStepEqualsSchragesForm) {
  // The whole range was compared once; here its edges and a spread of values.
  std::vector<std::int32_t> xs = {1,          2,          53667,      53668,      53669,     52774,
                                  2147483398, 2147483399, 2147483562, 2147483563, 2147483647};
  for (std::int64_t x = 7; x < 2147483647; x += 104729) xs.push_back(static_cast<std::int32_t>(x));
  for (const std::int32_t x : xs) {
    SCOPED_TRACE(x);
    const auto ux = static_cast<std::uint64_t>(x);
    EXPECT_EQ(static_cast<std::int32_t>(ran2_detail::lcg_step<40014, 2147483563>(ux)),
              schrage(x, 40014, 53668, 12211, 2147483563));
    EXPECT_EQ(static_cast<std::int32_t>(ran2_detail::lcg_step<40692, 2147483399>(ux)),
              schrage(x, 40692, 52774, 3791, 2147483399));
  }
}

TEST(Ran2, SlotEqualsTheDivision) {
  std::vector<std::int32_t> ys = {1, 2147483562};
  for (std::int32_t j = 1; j <= 32; ++j) {
    const std::int64_t edge = static_cast<std::int64_t>(j) * 67108862;
    for (std::int64_t y = edge - 2; y <= edge + 2; ++y) {
      if (y >= 1 && y <= 2147483562) ys.push_back(static_cast<std::int32_t>(y));
    }
  }
  for (std::int64_t y = 1; y <= 2147483562; y += 65537) ys.push_back(static_cast<std::int32_t>(y));
  for (const std::int32_t y : ys) {
    SCOPED_TRACE(y);
    EXPECT_EQ(ran2_detail::slot(y), static_cast<std::uint32_t>(y / 67108862));
  }
}

}  // namespace
}  // namespace tf
