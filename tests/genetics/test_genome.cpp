#include "test_genome.h"

#include <algorithm>
#include <vector>

namespace tf::fixture {

namespace {
// Raw engine output only: the distributions of the standard library differ
// between implementations, the engine does not.
std::uint32_t below(std::mt19937& rng, std::uint32_t n) {
  return static_cast<std::uint32_t>(rng() % n);
}
}  // namespace

LocusMap random_locus_map(std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<std::int32_t> codes;
  for (std::int32_t q = 1; q <= NQTL; ++q) codes.push_back(q);
  for (std::int32_t m = 1; m <= NMRK; ++m) codes.push_back(-m);
  for (std::size_t i = codes.size() - 1; i > 0; --i)
    std::swap(codes[i], codes[below(rng, static_cast<std::uint32_t>(i + 1))]);
  LocusMap locmap(NLOCI);
  std::int32_t position = 0;
  for (std::size_t i = 0; i < locmap.size(); ++i) {
    const auto chromosome = static_cast<std::int32_t>(1 + i * 12 / NLOCI);
    if (i > 0 && chromosome != locmap[i - 1].chromosome) position = 0;
    position += static_cast<std::int32_t>(below(rng, 81));
    locmap[i] = {codes[i], chromosome, position};
  }
  return locmap;
}

ParentGenotypes random_parents(std::uint32_t seed) {
  std::mt19937 rng(seed);
  ParentGenotypes parents(NPAR);
  for (auto& parent : parents) {
    for (auto& code : parent) code = 1 + static_cast<std::int32_t>(below(rng, 2));
  }
  return parents;
}

MarkerEffects random_marker_effects(std::uint32_t seed) {
  std::mt19937 rng(seed);
  MarkerEffects effects(NCOEF);
  for (auto& row : effects) {
    for (auto& value : row) value = static_cast<double>(rng()) / 4294967295.0 * 2.0 - 1.0;
  }
  return effects;
}

PlantGeno random_plant(std::mt19937& rng) {
  PlantGeno plant;
  for (auto& chromatid : plant.chromatid) {
    for (auto& code : chromatid) code = 1 + static_cast<std::int32_t>(below(rng, 2));
  }
  return plant;
}

PlantGeno uniform_plant(std::int32_t code1, std::int32_t code2) {
  PlantGeno plant;
  plant.chromatid[0].fill(code1);
  plant.chromatid[1].fill(code2);
  return plant;
}

PlantGeno read_codes(const GenoTable& geno, std::size_t entry) {
  PackedPlant packed;
  geno.read_plant(entry, packed);
  PlantGeno plant;
  unpack(packed, plant);
  return plant;
}

void write_codes(GenoTable& geno, std::size_t entry, const PlantGeno& plant) {
  geno.write_plant(entry, pack(plant));
}

int code(const GenoTable& geno, std::size_t entry, int locus, int chromatid) {
  return read_codes(geno, entry)
      .chromatid[static_cast<std::size_t>(chromatid)][static_cast<std::size_t>(locus)];
}

void set_code(GenoTable& geno, std::size_t entry, int locus, int chromatid, std::int32_t code) {
  PlantGeno plant = read_codes(geno, entry);
  plant.chromatid[static_cast<std::size_t>(chromatid)][static_cast<std::size_t>(locus)] = code;
  write_codes(geno, entry, plant);
}

RandomStream seeded(std::int32_t seed) {
  RandomStream stream;
  stream.idum = seed;
  return stream;
}

RandomStream advanced(RandomStream stream, long n) {
  for (long i = 0; i < n; ++i) ran2(stream);
  return stream;
}

namespace {
// The slot value that makes iy = slot value - idum2 (wrapped as the generator wraps).
std::int32_t held_for(std::int32_t iy, std::int32_t idum2) {
  constexpr std::int64_t kImm1 = 2147483562;
  const std::int64_t held = static_cast<std::int64_t>(iy) + idum2;
  return static_cast<std::int32_t>(held <= kImm1 ? held : held - kImm1);
}
}  // namespace

RandomStream stream_with_next_iy(std::int32_t iy) {
  RandomStream stream = advanced(seeded(-1), 1);
  stream.iy = 1;     // slot 0 next
  stream.idum2 = 1;  // next idum2: 40692
  stream.iv[0] = held_for(iy, 40692);
  return stream;
}

RandomStream stream_with_next_iys(std::int32_t iy1, std::int32_t iy2) {
  RandomStream stream = stream_with_next_iy(iy1);
  // idum2 after two steps from 1: 40692^2 = 1655838864, below the modulus.
  stream.iv[iy1 / 67108862] = held_for(iy2, 1655838864);
  return stream;
}

LocusMap locus_map_from(const LocusMap& rows) {
  LocusMap locmap = rows;
  const std::int32_t last = rows.empty() ? 0 : rows.back().chromosome;
  locmap.resize(NLOCI, LocusRow{0, last + 1, 0});
  return locmap;
}

bool same_state(const RandomStream& a, const RandomStream& b) {
  return a.idum == b.idum && a.idum2 == b.idum2 && a.iy == b.iy &&
         std::equal(std::begin(a.iv), std::end(a.iv), std::begin(b.iv));
}

}  // namespace tf::fixture
