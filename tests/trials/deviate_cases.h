// Plot deviates at uniforms of the game's stream where glibc's logf or cosf
// is not correctly rounded: the double functions rounded once to single give
// these deviates (checked against the long double functions too), glibc's
// single functions a deviate one or two units in the last place off.
#pragma once

namespace tf::fixture {

struct DeviateCase {
  float u1;
  float u2;
  float deviate;  // plot_deviate(u1, u2)
};

inline constexpr DeviateCase kRoundedOnceDeviates[] = {
    // logf(u1) differs
    {0x1.68b97p-2F, 0x1.fa8914p-2F, -0x1.7198ap+0F},
    {0x1.f96ef4p-1F, 0x1.ea9fc6p-5F, 0x1.3209e8p-3F},
    {0x1.96badap-1F, 0x1.219cc6p-2F, -0x1.1c9034p-3F},
    // cosf(6.2832 u2) differs
    {0x1.12a7bp-2F, 0x1.907c92p-1F, 0x1.4dd62ep-2F},
    {0x1.b74412p-5F, 0x1.775478p-2F, -0x1.9dfc9cp+0F},
    {0x1.4deaf8p-2F, 0x1.b855cap-1F, 0x1.e8b1fp-1F},
    // both differ
    {0x1.d6aee4p-1F, 0x1.6a8f72p-1F, -0x1.b4fb72p-4F},
};

}  // namespace tf::fixture
