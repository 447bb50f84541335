#include "genetics/meiosis.h"

#include <cmath>
#include <limits>
#include <utility>

#include "text/internal_error.h"

namespace tf {

namespace {

constexpr float kBase = 2.71828F;  // stands in for e (0x402DF84D)
constexpr int kGenerations = 5;

// Bit g of the result is byte g (0 or 1) of the 64 at `bytes`. Eight bytes
// at a time: read as a little-endian word (the compiler makes one load of the
// shifts), the multiplication moves byte i to bit 56 + i and no two partial
// products meet, so the top byte holds the eight bits.
std::uint64_t gather_bits(const std::uint8_t* bytes) {
  std::uint64_t bits = 0;
  for (int group = 0; group < 8; ++group) {
    const std::uint8_t* b = bytes + 8 * group;
    const std::uint64_t word =
        static_cast<std::uint64_t>(b[0]) | static_cast<std::uint64_t>(b[1]) << 8 |
        static_cast<std::uint64_t>(b[2]) << 16 | static_cast<std::uint64_t>(b[3]) << 24 |
        static_cast<std::uint64_t>(b[4]) << 32 | static_cast<std::uint64_t>(b[5]) << 40 |
        static_cast<std::uint64_t>(b[6]) << 48 | static_cast<std::uint64_t>(b[7]) << 56;
    bits |= ((word * 0x0102040810204080ULL) >> 56) << (8 * group);
  }
  return bits;
}

}  // namespace

float kosambi_fraction(std::int64_t tenths) {
  const std::int64_t centimorgans = tenths / 10;
  const float morgans = static_cast<float>(centimorgans) / 100.0F;
  // The power in double, rounded once to single: powf rounds its own way on
  // each C library, and one bit can turn a crossover; the double pow is
  // accurate far below a single's last bit, so the rounded value is the same
  // everywhere. A power past the single range (over 2218 cM) is the overflow
  // and gives the limit, before any conversion.
  const double power = std::pow(static_cast<double>(kBase), static_cast<double>(4.0F * morgans));
  if (power > static_cast<double>(std::numeric_limits<float>::max())) return 0.5F;
  const float e = static_cast<float>(power);
  return 0.5F * (e - 1.0F) / (e + 1.0F);
}

std::int32_t deviate_bound(float x) {
  // Binary search on the non-decreasing deviate: lo satisfies, hi does not.
  std::int32_t lo = 0;
  std::int32_t hi = ran2_detail::kImm1 + 1;
  while (hi - lo > 1) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    if (ran2_detail::deviate(mid) <= x) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return lo;
}

RecombinationMap::RecombinationMap(const LocusMap& locmap) {
  TF_BUG_ASSERT(locmap.size() == static_cast<std::size_t>(NLOCI));
  const std::int32_t start_bound = deviate_bound(std::nextafter(0.5F, 0.0F));
  for (std::size_t j = 0; j < locmap.size(); ++j) {
    const bool starts = j == 0 || locmap[j].chromosome > locmap[j - 1].chromosome;
    if (starts) {
      carry_[j] = 0;
      fraction_[j] = 0.0F;
      bound_[j] = start_bound;
    } else {
      const std::int64_t tenths = static_cast<std::int64_t>(locmap[j].position) -
                                  static_cast<std::int64_t>(locmap[j - 1].position);
      carry_[j] = 1;
      fraction_[j] = kosambi_fraction(tenths);
      bound_[j] = deviate_bound(fraction_[j]);
    }
  }
}

void meiosis(const PlantGeno& plant, const RecombinationMap& map, Gamete& gamete,
             RandomStream& stream) {
  const std::int32_t* const chromatid[2] = {plant.chromatid[0].data(), plant.chromatid[1].data()};
  std::int32_t* const out = gamete.data();
  walk_gamete(map, stream, [&](int j, std::uint32_t k) { out[j] = chromatid[k][j]; });
}

void meiosis(const PackedPlant& plant, const RecombinationMap& map, PackedChromatid& gamete,
             RandomStream& stream) {
  // One byte per locus, 0 or 1, in word-sized groups; the tail past NLOCI
  // stays 0.
  std::array<std::uint8_t, kGenoWords * kGenoWordBits> choice{};
  std::uint8_t* const chosen = choice.data();
  walk_gamete(map, stream,
              [&](int j, std::uint32_t k) { chosen[j] = static_cast<std::uint8_t>(k); });
  for (std::size_t w = 0; w < static_cast<std::size_t>(kGenoWords); ++w) {
    const std::uint64_t from2 = gather_bits(chosen + w * kGenoWordBits);
    gamete[w] = (plant.chromatid[0][w] & ~from2) | (plant.chromatid[1][w] & from2);
  }
}

void selfing(PackedPlant& plant, const RecombinationMap& map, RandomStream& stream) {
  // Each generation's two gametes come from the plant before it, so the
  // generations alternate between the caller's plant and one scratch plant.
  PackedPlant scratch;
  PackedPlant* current = &plant;
  PackedPlant* next = &scratch;
  for (int generation = 1; generation <= kGenerations; ++generation) {
    meiosis(*current, map, next->chromatid[0], stream);
    if (generation < kGenerations) {
      meiosis(*current, map, next->chromatid[1], stream);
    } else {
      // Chromatid 1 replaces the last generation's chromatid 2: its gamete
      // is drawn for its deviates only.
      walk_gamete(map, stream, [](int, std::uint32_t) {});
    }
    std::swap(current, next);
  }
  plant.chromatid[0] = current->chromatid[0];
  plant.chromatid[1] = current->chromatid[0];
}

void selfing(PlantGeno& plant, const RecombinationMap& map, RandomStream& stream) {
  PackedPlant packed = pack(plant);
  selfing(packed, map, stream);
  unpack(packed, plant);
}

}  // namespace tf
