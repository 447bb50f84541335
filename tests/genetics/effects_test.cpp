#include "genetics/effects.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tf {
namespace {

constexpr std::size_t kYield = 0, kProtein = 1, kFhb = 2;

// Powers not among the published magnitudes ((399/401)^7, (79/81)^2..4,
// (39/41)^3) were computed once by repeated squaring in a few lines of Python
// that round every product to single precision.

LocusMap rows_with_codes(const std::vector<std::int32_t>& codes) {
  LocusMap locmap;
  for (const std::int32_t code : codes) locmap.push_back({code, 1, 0});
  return locmap;
}

// Every QTL once, 303 first, then 1..400 in order: protein ranks run 303,
// 3, 8, ..., 398 and Fhb ranks 303, 273, 278, ..., 398.
QtlEffectTable effects_303_first() {
  std::vector<std::int32_t> codes = {303};
  for (std::int32_t q = 1; q <= NQTL; ++q) {
    if (q != MAJORQTL) codes.push_back(q);
  }
  for (std::int32_t m = 1; m <= NMRK; ++m) codes.push_back(-m);
  QtlEffectTable qtleff(NQTL);
  geneffects(rows_with_codes(codes), qtleff);
  return qtleff;
}

double cell(const QtlEffectTable& qtleff, int q, int g, std::size_t t) {
  return qtleff[static_cast<std::size_t>(q - 1)][static_cast<std::size_t>(g - 1)][t];
}

TEST(Geneffects, MagnitudesAndSigns) {
  const QtlEffectTable qtleff = effects_303_first();
  struct Case {
    int q;
    std::size_t trait;
    float class2;  // class 1 is its negation
  };
  const Case cases[] = {
      {1, kYield, 0.99501246F},
      {2, kYield, -0.99004978F},
      {303, kYield, 0.21980619F},
      {400, kYield, -0.13533366F},
      {303, kProtein, -0.97530866F},
      {398, kProtein, 0.13532124F},
      {303, kFhb, 2.8536584F},
      {273, kFhb, 0.90481853F},
      {398, kFhb, -0.27245784F},
      {1, kProtein, 0.0F},
      {2, kFhb, 0.0F},
      {400, kProtein, 0.0F},
      {8, kFhb, 0.0F},
      {268, kFhb, 0.0F},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "QTL " << c.q << " trait " << c.trait);
    // The cell is the double of a single-precision value.
    const double class2 = cell(qtleff, c.q, 2, c.trait);
    EXPECT_EQ(class2, static_cast<double>(static_cast<float>(class2)));
    EXPECT_FLOAT_EQ(static_cast<float>(class2), c.class2);
    EXPECT_EQ(cell(qtleff, c.q, 1, c.trait), -class2);
  }
  // Protein QTL 268 (rank 54) has its protein effect; only Fhb stays 0 below 270.
  EXPECT_NE(cell(qtleff, 268, 2, kProtein), 0.0);
  EXPECT_EQ(cell(qtleff, 268, 2, kFhb), 0.0);
}

TEST(Geneffects, RatiosHaveTheirSinglePrecisionBits) {
  // The first protein QTL carries the protein ratio itself, the second Fhb
  // QTL the square of the Fhb ratio: both to the bit.
  const auto from_bits = [](std::uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
  };
  const float protein = from_bits(0x3F79ADD4U);  // 79/81
  const float fhb = from_bits(0x3F73831FU);      // 39/41
  QtlEffectTable qtleff(NQTL);
  geneffects(rows_with_codes({303, 273}), qtleff);
  EXPECT_EQ(cell(qtleff, 303, 1, kProtein), static_cast<double>(protein));
  EXPECT_EQ(cell(qtleff, 273, 2, kFhb), static_cast<double>(fhb * fhb));
}

TEST(Geneffects, ClassTwoSignsFollowParity) {
  const QtlEffectTable qtleff = effects_303_first();
  for (int q = 1; q <= NQTL; ++q) {
    SCOPED_TRACE(q);
    const double s = q % 2 == 1 ? 1.0 : -1.0;
    EXPECT_GT(s * cell(qtleff, q, 2, kYield), 0.0);
    if (q % 5 == 3) {
      EXPECT_LT(s * cell(qtleff, q, 2, kProtein), 0.0);
    }
    if (q % 5 == 3 && q >= 270) {
      EXPECT_GT(s * cell(qtleff, q, 2, kFhb), 0.0);
    }
  }
}

TEST(Geneffects, HeterozygousClassIsZero) {
  const QtlEffectTable qtleff = effects_303_first();
  for (int q = 1; q <= NQTL; ++q) {
    for (std::size_t t = 0; t < NTRAIT; ++t) EXPECT_EQ(cell(qtleff, q, 3, t), 0.0) << q;
  }
}

TEST(Geneffects, MarkersAndCodeZeroWriteNothing) {
  QtlEffectTable qtleff(NQTL, QtlEffect{{{7, 7, 7}, {7, 7, 7}, {7, 7, 7}}});
  geneffects(rows_with_codes({-5, 0, -1, 7}), qtleff);
  EXPECT_EQ(cell(qtleff, 5, 1, kYield), 7.0);  // marker 5 is not QTL 5
  EXPECT_EQ(cell(qtleff, 1, 2, kProtein), 7.0);
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 7, 2, kYield)), 0.96560526F);  // (399/401)^7
  EXPECT_EQ(cell(qtleff, 7, 3, kYield), 0.0);
  EXPECT_EQ(cell(qtleff, 7, 1, kProtein), 0.0);  // every cell of a carried QTL is written
}

TEST(Geneffects, RanksFollowRowOrder) {
  // 273 before 303: 273 carries the tripled Fhb effect, 303 the second.
  QtlEffectTable qtleff(NQTL);
  geneffects(rows_with_codes({273, 8, 303}), qtleff);
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 273, 2, kFhb)), 2.8536584F);
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 303, 2, kFhb)), 0.90481853F);
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 273, 2, kProtein)), -0.97530866F);
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 8, 2, kProtein)), 0.95122695F);  // rank 2
}

TEST(Geneffects, RepeatedQtlIsWrittenTwiceAndAdvancesTheCounts) {
  QtlEffectTable qtleff(NQTL);
  geneffects(rows_with_codes({303, 8, 303, 273}), qtleff);
  // Second writing of 303: protein rank 3, Fhb rank 2 (not tripled).
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 303, 1, kProtein)), 0.92773986F);
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 303, 2, kFhb)), 0.90481853F);
  // 273 comes after both writings: protein rank 4, Fhb rank 3.
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 273, 1, kProtein)), 0.90483272F);
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 273, 2, kFhb)), 0.86068106F);
}

TEST(Geneffects, AtMostTwentySixFhbQtl) {
  // The 26 candidates, then 303 again: its second writing finds the count
  // at 26 and gets no Fhb effect.
  std::vector<std::int32_t> codes;
  for (std::int32_t q = 273; q <= 398; q += 5) codes.push_back(q);
  codes.push_back(303);
  QtlEffectTable qtleff(NQTL);
  geneffects(rows_with_codes(codes), qtleff);
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 273, 2, kFhb)), 2.8536584F);
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 398, 2, kFhb)), -0.27245784F);
  for (int g = 1; g <= 3; ++g) EXPECT_EQ(cell(qtleff, 303, g, kFhb), 0.0);
  EXPECT_NE(cell(qtleff, 303, 2, kProtein), 0.0);
}

TEST(Geneffects, CodesBeyondTheTableAreSkipped) {
  QtlEffectTable qtleff(NQTL);
  geneffects(rows_with_codes({NQTL + 1, 2147483647, 8}), qtleff);
  // 8 is still the first protein QTL: the skipped rows raised no count.
  EXPECT_FLOAT_EQ(static_cast<float>(cell(qtleff, 8, 1, kProtein)), -0.97530866F);
}

}  // namespace
}  // namespace tf
