// The run's one stream of uniform deviates: L'Ecuyer's two combined
// multiplicative congruential generators with a 32-slot Bays-Durham shuffle.
#pragma once

#include <cstdint>

namespace tf {

// The whole state of the stream. `idum` <= 0 means not started: the next
// draw starts the stream from it.
struct RandomStream {
  std::int32_t idum = 0;
  std::int32_t idum2 = 123456789;
  std::int32_t iv[32] = {};
  std::int32_t iy = 0;
};

// One deviate in [4.6566134e-10, 0.99999988]; never 0 and never 1.
// Inline: it is drawn once per locus per gamete, the program's hot path.
inline float ran2(RandomStream& s) {
  constexpr std::int32_t kIm1 = 2147483563, kIa1 = 40014, kIq1 = 53668, kIr1 = 12211;
  constexpr std::int32_t kIm2 = 2147483399, kIa2 = 40692, kIq2 = 52774, kIr2 = 3791;
  constexpr std::int32_t kImm1 = kIm1 - 1;
  constexpr std::int32_t kNdiv = 1 + kImm1 / 32;  // 67108862
  constexpr float kAm = 4.6566134e-10F;         // next single above 2^-31
  constexpr float kRnmx = 0.99999988F;          // 1 - 2^-23
  if (s.idum <= 0) {
    s.idum = -s.idum > 1 ? -s.idum : 1;
    s.idum2 = s.idum;
    for (int j = 40; j >= 1; --j) {
      const std::int32_t k = s.idum / kIq1;
      s.idum = kIa1 * (s.idum - k * kIq1) - k * kIr1;
      if (s.idum < 0) s.idum += kIm1;
      if (j <= 32) s.iv[j - 1] = s.idum;
    }
    s.iy = s.iv[0];
  }
  std::int32_t k = s.idum / kIq1;
  s.idum = kIa1 * (s.idum - k * kIq1) - k * kIr1;
  if (s.idum < 0) s.idum += kIm1;
  k = s.idum2 / kIq2;
  s.idum2 = kIa2 * (s.idum2 - k * kIq2) - k * kIr2;
  if (s.idum2 < 0) s.idum2 += kIm2;
  const std::int32_t j = s.iy / kNdiv;  // slot 0..31
  s.iy = s.iv[j] - s.idum2;
  s.iv[j] = s.idum;
  if (s.iy < 1) s.iy += kImm1;
  const float out = static_cast<float>(s.iy) * kAm;
  return out < kRnmx ? out : kRnmx;
}

// The seed of the clock: minus the sum of the local minute, second and
// millisecond (-1118..0).
std::int32_t clock_seed();

// Sets the stream's `idum` from the clock. The second argument (the main
// program's ERRFLAG) is neither read nor written.
void seeder(RandomStream& s, std::int32_t& errflag);

}  // namespace tf
