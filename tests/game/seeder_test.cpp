#include "game/seeder.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tf {
namespace {

TEST(Seeder, SeedComesFromTheClockAndLeavesTheFlag) {
  // A stream already started and advanced by three draws.
  RandomStream s;
  s.idum = -1;
  for (int i = 0; i < 3; ++i) ran2(s);
  std::int32_t errflag = 7;
  seeder(s, errflag);
  EXPECT_GE(s.idum, -1118);
  EXPECT_LE(s.idum, 0);
  EXPECT_EQ(errflag, 7);
  const std::int32_t seed = clock_seed();
  EXPECT_GE(seed, -1118);
  EXPECT_LE(seed, 0);
}

}  // namespace
}  // namespace tf
