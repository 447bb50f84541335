#include "tools/genome/stream_draws.h"

#include <cmath>

namespace tf {

double draw_normal(RandomStream& stream) {
  const double u1 = ran2(stream);
  const double u2 = ran2(stream);
  return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
}

}  // namespace tf
