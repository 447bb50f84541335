// Ridge regression of trait values on marker scores, with an unpenalised
// intercept, solved by Cholesky factorisation of the normal equations.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "genetics/genome.h"

namespace tf {

using MarkerScores = std::array<std::int8_t, NMRK>;

// Solves a x = b for a symmetric positive definite n x n matrix `a` (row
// major; its lower triangle is overwritten by the factor). Returns false when
// `a` is not positive definite.
bool cholesky_solve(std::vector<double>& a, std::vector<double>& b, int n);

// MRKEFF from a training population: for each trait t, the NCOEF
// coefficients minimising |y - X b|^2 + lambda[t] |b_1..NMRK|^2, where X holds
// the marker scores and a column of ones (the intercept, not penalised).
MarkerEffects fit_marker_effects(const std::vector<MarkerScores>& scores,
                                 const std::vector<TraitValues>& values, const TraitValues& lambda);

}  // namespace tf
