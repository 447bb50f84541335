#include "trials/plot_errors.h"

#include <cmath>
#include <cstddef>

namespace tf {

float plot_deviate(float u1, float u2) {
  // The logarithm and the cosine in double, rounded once to single: the
  // single-precision functions round their own way on each C library, the
  // double ones are accurate far below a single's last bit, so the rounded
  // value is the same everywhere.
  const float log_u1 = static_cast<float>(std::log(static_cast<double>(u1)));
  const float radius = std::sqrt(-2.0F * log_u1);
  const float angle = 6.2832F * u2;
  return radius * static_cast<float>(std::cos(static_cast<double>(angle)));
}

float nong(RandomStream& stream, std::vector<double>& errmean, std::int32_t nloc, Trait trait,
           const std::array<double, NTRAIT>& ve) {
  const double s = std::sqrt(ve[index_of(trait)]);
  for (double& mean : errmean) {
    mean = 0.0;
    for (std::int32_t j = 0; j < nloc; ++j) {
      const float u1 = ran2(stream);
      const float u2 = ran2(stream);
      mean += s * static_cast<double>(plot_deviate(u1, u2));
    }
    if (nloc > 0) mean /= static_cast<double>(nloc);
  }
  return lsd10(errmean);
}

float lsd10(const std::vector<double>& errmean) {
  float ss = 0.0F;
  for (const double mean : errmean) {
    ss = static_cast<float>(static_cast<double>(ss) + mean * mean);
  }
  const std::size_t n = errmean.size();
  if (n < 2) return 0.0F;
  const float df = static_cast<float>(n - 1);
  return std::sqrt(ss / df * 2.0F) * 1.645F;
}

}  // namespace tf
