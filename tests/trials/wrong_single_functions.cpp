// The C library's single-precision logf, cosf and powf, replaced for the
// whole program by versions that are deliberately wrong: the correctly
// rounded value moved four units in the last place away from zero. A
// definition in the program takes precedence over the shared C library's, so
// every call of these functions in the program, the game's libraries'
// included, comes here.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

float moved(double exact) {
  // A value beyond the single range becomes NaN, as wrong as the others, and
  // never goes through an out-of-range conversion.
  if (std::fabs(exact) > static_cast<double>(std::numeric_limits<float>::max())) {
    return std::numeric_limits<float>::quiet_NaN();
  }
  float f = static_cast<float>(exact);
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  bits += 4;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

}  // namespace

extern "C" float logf(float x) noexcept { return moved(std::log(static_cast<double>(x))); }
extern "C" float cosf(float x) noexcept { return moved(std::cos(static_cast<double>(x))); }
extern "C" float powf(float x, float y) noexcept {
  return moved(std::pow(static_cast<double>(x), static_cast<double>(y)));
}
