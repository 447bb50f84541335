// Draws the genome tool makes from the game's random stream: whole numbers,
// shuffles and normal deviates, all from ran2 so that a seed fixes the data.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "genetics/ran2.h"

namespace tf {

// A whole number in [0, n), n > 0.
inline int draw_below(RandomStream& stream, int n) {
  const int k = static_cast<int>(static_cast<double>(ran2(stream)) * n);
  return k < n ? k : n - 1;
}

// Fisher-Yates shuffle.
template <typename T>
void shuffle(std::vector<T>& items, RandomStream& stream) {
  for (std::size_t i = items.size(); i > 1; --i) {
    const std::size_t j = static_cast<std::size_t>(draw_below(stream, static_cast<int>(i)));
    std::swap(items[i - 1], items[j]);
  }
}

// A standard normal deviate (Box-Muller, one of the pair).
double draw_normal(RandomStream& stream);

}  // namespace tf
