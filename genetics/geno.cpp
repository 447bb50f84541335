#include "genetics/geno.h"

namespace tf {

void GenoTable::create(std::size_t entries) {
  words_.assign(entries * 2 * kWordsPerChromatid, 0);
  entries_ = entries;
}

void GenoTable::set_code(std::size_t entry, int locus, int chromatid, int code) {
  std::uint64_t& w = words_[word_index(entry, chromatid) + locus / kWordBits];
  const std::uint64_t bit = std::uint64_t{1} << (locus % kWordBits);
  w = code == 2 ? (w | bit) : (w & ~bit);
}

void GenoTable::read_chromatid(std::size_t entry, int chromatid, std::int32_t* codes) const {
  const std::uint64_t* row = chromatid_words(entry, chromatid);
  for (int i = 0; i < NLOCI; ++i) {
    codes[i] = 1 + static_cast<std::int32_t>((row[i / kWordBits] >> (i % kWordBits)) & 1U);
  }
}

void GenoTable::write_chromatid(std::size_t entry, int chromatid, const std::int32_t* codes) {
  std::uint64_t* row = &words_[word_index(entry, chromatid)];
  for (int w = 0; w < kWordsPerChromatid; ++w) {
    std::uint64_t word = 0;
    const int first = w * kWordBits;
    const int last = first + kWordBits < NLOCI ? first + kWordBits : NLOCI;
    for (int i = last - 1; i >= first; --i) word = (word << 1) | static_cast<std::uint64_t>(codes[i] == 2);
    row[w] = word;
  }
}

void GenoTable::read_plant(std::size_t entry, PlantGeno& plant) const {
  read_chromatid(entry, 0, plant.chromatid[0].data());
  read_chromatid(entry, 1, plant.chromatid[1].data());
}

void GenoTable::write_plant(std::size_t entry, const PlantGeno& plant) {
  write_chromatid(entry, 0, plant.chromatid[0].data());
  write_chromatid(entry, 1, plant.chromatid[1].data());
}

}  // namespace tf
