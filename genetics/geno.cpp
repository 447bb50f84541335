#include "genetics/geno.h"

#include <algorithm>

namespace tf {

void pack_chromatid(const std::int32_t* codes, PackedChromatid& words) {
  for (int w = 0; w < kGenoWords; ++w) {
    // Independent shifts rather than one shift chain: the bits form in parallel.
    std::uint64_t word = 0;
    const int first = w * kGenoWordBits;
    const int count = std::min(kGenoWordBits, NLOCI - first);
    for (int b = 0; b < count; ++b) {
      word |= static_cast<std::uint64_t>(codes[first + b] == 2) << b;
    }
    words[static_cast<std::size_t>(w)] = word;
  }
}

void unpack_chromatid(const PackedChromatid& words, std::int32_t* codes) {
  for (int w = 0; w < kGenoWords; ++w) {
    const std::uint64_t word = words[static_cast<std::size_t>(w)];
    const int first = w * kGenoWordBits;
    const int count = std::min(kGenoWordBits, NLOCI - first);
    for (int b = 0; b < count; ++b) {
      codes[first + b] = 1 + static_cast<std::int32_t>((word >> b) & 1U);
    }
  }
}

PackedPlant pack(const PlantGeno& plant) {
  PackedPlant packed;
  pack_chromatid(plant.chromatid[0].data(), packed.chromatid[0]);
  pack_chromatid(plant.chromatid[1].data(), packed.chromatid[1]);
  return packed;
}

void unpack(const PackedPlant& packed, PlantGeno& plant) {
  unpack_chromatid(packed.chromatid[0], plant.chromatid[0].data());
  unpack_chromatid(packed.chromatid[1], plant.chromatid[1].data());
}

void GenoTable::create(std::size_t entries) {
  words_.assign(entries * kWordsPerPlant, 0);
  entries_ = entries;
}

void GenoTable::read_plant(std::size_t entry, PackedPlant& plant) const {
  const std::uint64_t* row = &words_[entry * kWordsPerPlant];
  std::copy_n(row, kGenoWords, plant.chromatid[0].begin());
  std::copy_n(row + kGenoWords, kGenoWords, plant.chromatid[1].begin());
}

void GenoTable::write_plant(std::size_t entry, const PackedPlant& plant) {
  std::uint64_t* row = &words_[entry * kWordsPerPlant];
  std::copy(plant.chromatid[0].begin(), plant.chromatid[0].end(), row);
  std::copy(plant.chromatid[1].begin(), plant.chromatid[1].end(), row + kGenoWords);
}

}  // namespace tf
