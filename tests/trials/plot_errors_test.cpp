#include "trials/plot_errors.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <ios>
#include <vector>

#include "deviate_cases.h"
#include "genetics/ran2.h"

namespace tf {
namespace {

// The plot error variances of yield, protein and Fhb.
constexpr std::array<double, NTRAIT> kVe = {241.97669653443972, 0.75, 53.999998658895514};

RandomStream seeded(std::int32_t idum) {
  RandomStream stream;
  stream.idum = idum;
  return stream;
}

void expect_same_state(const RandomStream& a, const RandomStream& b) {
  EXPECT_EQ(a.idum, b.idum);
  EXPECT_EQ(a.idum2, b.idum2);
  EXPECT_EQ(a.iy, b.iy);
  for (int i = 0; i < 32; ++i) EXPECT_EQ(a.iv[i], b.iv[i]);
}

TEST(PlotDeviate, SinglePrecisionCosineBranchWithItsOwnTwoPi) {
  // Worked by hand in single precision: ln, times -2, sqrt; u2 times 6.2832,
  // cos; the product. With 2 pi the first would be about 7e-17.
  EXPECT_FLOAT_EQ(plot_deviate(0.5F, 0.25F), -4.262212769390317e-06F);
  EXPECT_FLOAT_EQ(plot_deviate(0.1F, 0.1F), 1.7361211776733398F);
  EXPECT_FLOAT_EQ(plot_deviate(0.75F, 0.6F), -0.6136577725410461F);
}

TEST(PlotDeviate, LogarithmAndCosineRoundedOnceFromDouble) {
  for (const fixture::DeviateCase& c : fixture::kRoundedOnceDeviates) {
    SCOPED_TRACE(::testing::Message() << std::hexfloat << c.u1 << ", " << c.u2);
    const float deviate = plot_deviate(c.u1, c.u2);
    EXPECT_EQ(deviate, c.deviate) << std::hexfloat << deviate;
  }
}

TEST(Nong, OneLocationGivesEachEntryItsSinglePlotError) {
  RandomStream stream = seeded(-17);
  RandomStream copy = stream;
  std::vector<double> errmean(6, 99.0);
  nong(stream, errmean, 1, Trait::kFhb, kVe);
  const double s = std::sqrt(kVe[2]);
  for (std::size_t e = 0; e < errmean.size(); ++e) {
    const float u1 = ran2(copy);  // drawn first
    const float u2 = ran2(copy);
    EXPECT_EQ(errmean[e], s * static_cast<double>(plot_deviate(u1, u2))) << "entry " << e + 1;
  }
}

TEST(Nong, MeanOverLocationsInDoublePrecision) {
  RandomStream stream = seeded(-4);
  RandomStream copy = stream;
  std::vector<double> errmean(3);
  nong(stream, errmean, 4, Trait::kYield, kVe);
  const double s = std::sqrt(kVe[0]);
  for (std::size_t e = 0; e < errmean.size(); ++e) {
    double sum = 0.0;
    for (int j = 0; j < 4; ++j) {
      const float u1 = ran2(copy);
      const float u2 = ran2(copy);
      sum += s * static_cast<double>(plot_deviate(u1, u2));
    }
    EXPECT_EQ(errmean[e], sum / 4.0) << "entry " << e + 1;
  }
}

TEST(Nong, DrawsTwoUniformsPerEntryAndLocation) {
  struct Case {
    std::size_t entries;
    std::int32_t nloc;
  };
  for (const Case c : {Case{1, 1}, Case{5, 3}, Case{40, 12}, Case{0, 4}}) {
    SCOPED_TRACE(::testing::Message() << c.entries << " entries, " << c.nloc << " locations");
    RandomStream stream = seeded(-321);
    RandomStream expected = stream;
    std::vector<double> errmean(c.entries);
    nong(stream, errmean, c.nloc, Trait::kProtein, kVe);
    for (std::size_t i = 0; i < 2 * c.entries * static_cast<std::size_t>(c.nloc); ++i) {
      ran2(expected);
    }
    expect_same_state(stream, expected);
  }
}

TEST(Nong, LsdFromThePlainSumOfSquaresOfAllEntries) {
  for (const std::size_t n : {2U, 3U, 10U, 500U}) {
    SCOPED_TRACE(::testing::Message() << n << " entries");
    RandomStream stream = seeded(-99);
    std::vector<double> errmean(n);
    const float lsd = nong(stream, errmean, 2, Trait::kYield, kVe);
    double ss = 0.0;
    for (const double m : errmean) ss += m * m;
    const double expected = 1.645 * std::sqrt(2.0 * ss / static_cast<double>(n - 1));
    EXPECT_NEAR(lsd, expected, expected * 1e-5);
  }
}

TEST(Lsd10, SumOfSquaresRoundedToSinglePrecisionAfterEachEntry) {
  // 2^-12 (1 + 2^-27) squares to 2^-24 + 2^-50 in double. Added to 1.0 in
  // double and then rounded, SS becomes 1 + 2^-23; rounding the square first
  // would give a tie that float addition rounds down to 1.0.
  const double small = std::ldexp(1.0 + std::ldexp(1.0, -27), -12);
  const float ss = 1.0F + std::ldexp(1.0F, -23);
  EXPECT_EQ(lsd10({1.0, small}), std::sqrt(ss / 1.0F * 2.0F) * 1.645F);
  EXPECT_EQ(lsd10({3.0, 4.0, 0.0}), std::sqrt(25.0F / 2.0F * 2.0F) * 1.645F);
}

TEST(Nong, ReturnsTheLsdOfItsMeanErrors) {
  RandomStream stream = seeded(-5);
  std::vector<double> errmean(7);
  const float lsd = nong(stream, errmean, 3, Trait::kProtein, kVe);
  EXPECT_EQ(lsd, lsd10(errmean));
}

TEST(Nong, FewerThanTwoEntriesGiveLsdZero) {
  RandomStream stream = seeded(-8);
  std::vector<double> one(1);
  EXPECT_EQ(nong(stream, one, 3, Trait::kYield, kVe), 0.0F);
  EXPECT_NE(one[0], 0.0);
  std::vector<double> none;
  EXPECT_EQ(nong(stream, none, 3, Trait::kYield, kVe), 0.0F);
}

TEST(Nong, NoLocationsDrawNothingAndLeaveZeroErrors) {
  RandomStream stream = seeded(-8);
  const RandomStream before = stream;
  std::vector<double> errmean(4, 1.5);
  EXPECT_EQ(nong(stream, errmean, 0, Trait::kYield, kVe), 0.0F);
  EXPECT_EQ(errmean, std::vector<double>(4, 0.0));
  expect_same_state(stream, before);
}

TEST(Nong, EachCallContinuesTheStream) {
  RandomStream stream = seeded(-12);
  std::vector<double> first(5);
  std::vector<double> second(5);
  nong(stream, first, 2, Trait::kYield, kVe);
  nong(stream, second, 2, Trait::kYield, kVe);
  EXPECT_NE(first, second);
}

}  // namespace
}  // namespace tf
