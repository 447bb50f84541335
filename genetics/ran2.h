// The run's one stream of uniform deviates: L'Ecuyer's two combined
// multiplicative congruential generators with a 32-slot Bays-Durham shuffle.
#pragma once

#include <cstdint>

namespace tf {

// The whole state of the stream. `idum` <= 0 means not started: the next
// draw starts the stream from it. Once started, `idum` lies in
// 1..2147483562, `idum2` in 1..2147483398, every `iv` slot and `iy` in
// 1..2147483562.
struct RandomStream {
  std::int32_t idum = 0;
  std::int32_t idum2 = 123456789;
  std::int32_t iv[32] = {};
  std::int32_t iy = 0;
};

namespace ran2_detail {

constexpr std::int32_t kIm1 = 2147483563, kIa1 = 40014;  // first generator
constexpr std::int32_t kIm2 = 2147483399, kIa2 = 40692;  // second generator
constexpr std::int32_t kImm1 = kIm1 - 1;
constexpr float kAm = 4.6566134e-10F;  // next single above 2^-31
constexpr float kRnmx = 0.99999988F;   // 1 - 2^-23

// One step of a generator: a * x mod m for 0 <= x < 2^31, where m = 2^31 - c.
// This is the value Schrage's form a * (x mod q) - r * (x div q) (plus m when
// negative) gives, with no product overflowing 32 bits, for every such x (both
// generators were checked over the whole range). Folding the 47-bit product at
// bit 31 (2^31 = c mod m) gets there with one multiplication less on the
// generator's serial chain than Schrage's division and two products.
template <std::uint64_t kA, std::uint64_t kM>
inline std::uint64_t lcg_step(std::uint64_t x) {
  constexpr std::uint64_t kC = (std::uint64_t{1} << 31) - kM;
  const std::uint64_t p = x * kA;
  const std::uint64_t folded = (p & 0x7FFFFFFFU) + (p >> 31) * kC;
  return folded >= kM ? folded - kM : folded;
}

// The deviate of a combined value iy in 1..2147483562: iy in single
// precision (rounded to nearest) times the scale, at most the ceiling. It
// never decreases as iy grows.
inline float deviate(std::int32_t iy) {
  const float out = static_cast<float>(iy) * kAm;
  return out < kRnmx ? out : kRnmx;
}

// The shuffle slot iy div 67108862 (0..31) for iy in 1..2147483562, by
// shifts: with x = iy div 2, iy div 67108862 = x div (2^25 - 1), which for
// x < 2^30 is (x + x div 2^25 + 1) div 2^25 (checked for every iy of the
// range). It sits on the one serial chain of the generator, where it is three
// cycles shorter than the multiply-and-shift the compiler makes of the
// division.
inline std::uint32_t slot(std::int32_t iy) {
  const std::uint32_t x = static_cast<std::uint32_t>(iy) >> 1;
  return (x + (x >> 25) + 1) >> 25;
}

// Starts the stream from `idum` <= 0: 40 warm-up steps fill the shuffle table.
void start(RandomStream& s);

}  // namespace ran2_detail

// A run of draws from `stream` with its scalar state held in locals, so that
// it stays in registers across the draws of a gamete; written back when the
// burst ends. A stream not yet started (`idum` <= 0) is started when the
// burst begins, just before its first draw. Once started, `idum` never
// returns to 0 or below (but from the seed -2147483563, which no clock gives:
// its start lands on the modulus), so n draws of a burst leave the stream as n calls of
// `ran2` would; keeping the start out of the draws keeps every call out of
// the caller's loop, and with it the caller's own sums in registers.
class StreamBurst {
 public:
  explicit StreamBurst(RandomStream& stream) : s_(stream) {
    if (stream.idum <= 0) ran2_detail::start(stream);
    idum_ = static_cast<std::uint32_t>(stream.idum);
    idum2_ = static_cast<std::uint32_t>(stream.idum2);
    iy_ = stream.iy;
  }
  StreamBurst(const StreamBurst&) = delete;
  StreamBurst& operator=(const StreamBurst&) = delete;
  ~StreamBurst() {
    s_.idum = static_cast<std::int32_t>(idum_);
    s_.idum2 = static_cast<std::int32_t>(idum2_);
    s_.iy = iy_;
  }

  // The next combined value iy (1..2147483562), whose deviate() is the next
  // deviate of the stream.
  std::int32_t next_iy() {
    using namespace ran2_detail;
    idum_ = lcg_step<kIa1, kIm1>(idum_);
    idum2_ = lcg_step<kIa2, kIm2>(idum2_);
    const std::uint32_t j = slot(iy_);
    std::int32_t iy = s_.iv[j] - static_cast<std::int32_t>(idum2_);
    s_.iv[j] = static_cast<std::int32_t>(idum_);
    if (iy < 1) iy += kImm1;
    iy_ = iy;
    return iy;
  }
  // One deviate in [4.6566134e-10, 0.99999988]; never 0 and never 1.
  float next() { return ran2_detail::deviate(next_iy()); }

 private:
  RandomStream& s_;
  // Held in 64 bits for the generators' 64-bit products.
  std::uint64_t idum_;
  std::uint64_t idum2_;
  std::int32_t iy_;
};

// One deviate in [4.6566134e-10, 0.99999988]; never 0 and never 1.
// Inline: it is drawn once per locus per gamete, the program's hot path.
inline float ran2(RandomStream& s) { return StreamBurst(s).next(); }

}  // namespace tf
