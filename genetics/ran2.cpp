#include "genetics/ran2.h"

#include <chrono>
#include <ctime>
#include <limits>

namespace tf {

namespace ran2_detail {

void start(RandomStream& s) {
  // max(-idum, 1); -INT32_MIN wraps to itself, so that seed starts like -1.
  const bool negatable = s.idum < -1 && s.idum != std::numeric_limits<std::int32_t>::min();
  s.idum = negatable ? -s.idum : 1;
  s.idum2 = s.idum;
  for (int j = 40; j >= 1; --j) {
    s.idum = static_cast<std::int32_t>(lcg_step<kIa1, kIm1>(static_cast<std::uint64_t>(s.idum)));
    if (j <= 32) s.iv[j - 1] = s.idum;
  }
  s.iy = s.iv[0];
}

}  // namespace ran2_detail

std::int32_t clock_seed() {
  using std::chrono::system_clock;
  const system_clock::time_point now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const std::tm local = *std::localtime(&seconds);  // one thread: the shared result is safe
  const auto since_epoch = now.time_since_epoch();
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count() % 1000;
  return -static_cast<std::int32_t>(local.tm_min + local.tm_sec + millis);
}

void seeder(RandomStream& s, std::int32_t& /*errflag*/) { s.idum = clock_seed(); }

}  // namespace tf
