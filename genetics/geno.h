// GENO: the genotypes of all entries, one bit per allele code (code 1 as 0,
// code 2 as 1), each chromatid a packed row of NLOCI bits. 240,000 entries
// take 55 MB. No other code depends on the packing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/sizes.h"

namespace tf {

// One plant's genotype as plain allele codes (1 or 2): chromatid h, locus i.
struct PlantGeno {
  std::array<std::array<std::int32_t, NLOCI>, 2> chromatid;
};

// Entries are addressed 0-based (entry ID e at index e - 1), loci 0..NLOCI-1,
// chromatids 0 and 1.
class GenoTable {
 public:
  static constexpr int kWordBits = 64;
  static constexpr int kWordsPerChromatid = (NLOCI + kWordBits - 1) / kWordBits;  // 15

  GenoTable() = default;
  explicit GenoTable(std::size_t entries) { create(entries); }
  // Creates the table for `entries` plants, every code 1 (may throw bad_alloc).
  void create(std::size_t entries);
  std::size_t size() const { return entries_; }

  int code(std::size_t entry, int locus, int chromatid) const {
    const std::uint64_t w = words_[word_index(entry, chromatid) + locus / kWordBits];
    return 1 + static_cast<int>((w >> (locus % kWordBits)) & 1U);
  }
  void set_code(std::size_t entry, int locus, int chromatid, int code);

  void read_chromatid(std::size_t entry, int chromatid, std::int32_t* codes) const;
  void write_chromatid(std::size_t entry, int chromatid, const std::int32_t* codes);
  void read_plant(std::size_t entry, PlantGeno& plant) const;
  void write_plant(std::size_t entry, const PlantGeno& plant);

  // The packed words of one chromatid, for whole-row comparisons and scoring.
  const std::uint64_t* chromatid_words(std::size_t entry, int chromatid) const {
    return &words_[word_index(entry, chromatid)];
  }

 private:
  static std::size_t word_index(std::size_t entry, int chromatid) {
    return (entry * 2 + static_cast<std::size_t>(chromatid)) * kWordsPerChromatid;
  }

  std::size_t entries_ = 0;
  std::vector<std::uint64_t> words_;
};

}  // namespace tf
