#include "genetics/ran2.h"

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

}  // namespace tf
