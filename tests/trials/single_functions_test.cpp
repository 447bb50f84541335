// The plot deviates and the Kosambi fractions must not depend on the C
// library's single-precision logf, cosf and powf, which round their own way
// on each library. This program links wrong versions of the three
// (wrong_single_functions.cpp); the game's results must come out as without
// them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ios>

#include "deviate_cases.h"
#include "genetics/meiosis.h"
#include "trials/plot_errors.h"

namespace tf {
namespace {

// A value the compiler cannot see, so that no call below is folded away.
float at_run_time(float x) {
  volatile float v = x;
  return v;
}

TEST(WrongSingleFunctions, AreTheOnesThisProgramCalls) {
  // Without this, the tests below would pass on a program that still used
  // the single functions, just not these.
  const float u = at_run_time(0.3F);
  const double wide = static_cast<double>(u);
  EXPECT_NE(std::log(u), static_cast<float>(std::log(wide)));
  EXPECT_NE(std::cos(u), static_cast<float>(std::cos(wide)));
  EXPECT_NE(std::pow(at_run_time(2.71828F), u), static_cast<float>(std::pow(2.71828F, wide)));
}

TEST(WrongSingleFunctions, LeavePlotDeviatesAlone) {
  for (const fixture::DeviateCase& c : fixture::kRoundedOnceDeviates) {
    SCOPED_TRACE(::testing::Message() << std::hexfloat << c.u1 << ", " << c.u2);
    const float deviate = plot_deviate(at_run_time(c.u1), at_run_time(c.u2));
    EXPECT_EQ(deviate, c.deviate) << std::hexfloat << deviate;
  }
}

TEST(WrongSingleFunctions, LeaveKosambiFractionsAlone) {
  struct Case {
    std::int64_t tenths;
    float fraction;
  };
  // From 1 cM to past the overflow of the power.
  const Case cases[] = {
      {10, 0x1.47a2c2p-7F},  {105, 0x1.943972p-4F},  {250, 0x1.d9352cp-3F},   {501, 0x1.85efa2p-2F},
      {700, 0x1.c54cc8p-2F}, {1000, 0x1.ed9502p-2F}, {-150, -0x1.2a4dcep-3F}, {30000, 0.5F},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tenths);
    volatile std::int64_t tenths = c.tenths;
    const float fraction = kosambi_fraction(tenths);
    EXPECT_EQ(fraction, c.fraction) << std::hexfloat << fraction;
  }
}

}  // namespace
}  // namespace tf
