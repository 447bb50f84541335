#include "tools/genome/ridge.h"

#include <cmath>
#include <stdexcept>

namespace tf {

bool cholesky_solve(std::vector<double>& a, std::vector<double>& b, int n) {
  const auto at = [n](int r, int c) { return static_cast<std::size_t>(r) * n + c; };
  for (int j = 0; j < n; ++j) {
    double d = a[at(j, j)];
    for (int k = 0; k < j; ++k) d -= a[at(j, k)] * a[at(j, k)];
    if (!(d > 0.0)) return false;
    const double l = std::sqrt(d);
    a[at(j, j)] = l;
    for (int i = j + 1; i < n; ++i) {
      double s = a[at(i, j)];
      for (int k = 0; k < j; ++k) s -= a[at(i, k)] * a[at(j, k)];
      a[at(i, j)] = s / l;
    }
  }
  for (int i = 0; i < n; ++i) {  // L z = b
    double s = b[static_cast<std::size_t>(i)];
    for (int k = 0; k < i; ++k) s -= a[at(i, k)] * b[static_cast<std::size_t>(k)];
    b[static_cast<std::size_t>(i)] = s / a[at(i, i)];
  }
  for (int i = n - 1; i >= 0; --i) {  // L' x = z
    double s = b[static_cast<std::size_t>(i)];
    for (int k = i + 1; k < n; ++k) s -= a[at(k, i)] * b[static_cast<std::size_t>(k)];
    b[static_cast<std::size_t>(i)] = s / a[at(i, i)];
  }
  return true;
}

MarkerEffects fit_marker_effects(const std::vector<MarkerScores>& scores,
                                 const std::vector<TraitValues>& values,
                                 const TraitValues& lambda) {
  constexpr int n = NCOEF;
  const auto at = [](int r, int c) { return static_cast<std::size_t>(r) * n + c; };
  // X'X and X'y, with the intercept as column NCOEF - 1.
  std::vector<double> xtx(static_cast<std::size_t>(n) * n, 0.0);
  std::vector<std::array<double, NTRAIT>> xty(static_cast<std::size_t>(n), {0.0, 0.0, 0.0});
  std::array<double, NCOEF> row{};
  for (std::size_t e = 0; e < scores.size(); ++e) {
    for (int m = 0; m < NMRK; ++m)
      row[static_cast<std::size_t>(m)] = scores[e][static_cast<std::size_t>(m)];
    row[NCOEF - 1] = 1.0;
    for (int r = 0; r < n; ++r) {
      const double x = row[static_cast<std::size_t>(r)];
      if (x == 0.0) continue;
      for (int c = 0; c <= r; ++c) xtx[at(r, c)] += x * row[static_cast<std::size_t>(c)];
      for (int t = 0; t < NTRAIT; ++t) xty[static_cast<std::size_t>(r)][t] += x * values[e][t];
    }
  }
  MarkerEffects effects(static_cast<std::size_t>(n));
  for (int t = 0; t < NTRAIT; ++t) {
    std::vector<double> a(xtx);
    for (int r = 0; r < n; ++r) {
      for (int c = r + 1; c < n; ++c) a[at(r, c)] = a[at(c, r)];
      if (r < NMRK) a[at(r, r)] += lambda[t];
    }
    std::vector<double> b(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r)
      b[static_cast<std::size_t>(r)] = xty[static_cast<std::size_t>(r)][t];
    if (!cholesky_solve(a, b, n)) throw std::runtime_error("ridge system is not positive definite");
    for (int r = 0; r < n; ++r)
      effects[static_cast<std::size_t>(r)][t] = b[static_cast<std::size_t>(r)];
  }
  return effects;
}

}  // namespace tf
