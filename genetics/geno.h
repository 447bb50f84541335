// GENO: the genotypes of all entries, one bit per allele code (code 1 as 0,
// code 2 as 1; the codes are 1 or 2), each chromatid a packed row of NLOCI
// bits: locus i at bit i % 64 of word i / 64, the bits past NLOCI 0. 240,000
// entries take 55 MB.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "genetics/genome.h"

namespace tf {

constexpr int kGenoWordBits = 64;
constexpr int kGenoWords = (NLOCI + kGenoWordBits - 1) / kGenoWordBits;  // 15 per chromatid

// One plant's genotype as plain allele codes (1 or 2): chromatid h, locus i.
struct PlantGeno {
  std::array<std::array<std::int32_t, NLOCI>, 2> chromatid;
};

// One chromatid, and one plant, in GENO's packing.
using PackedChromatid = std::array<std::uint64_t, kGenoWords>;
struct PackedPlant {
  std::array<PackedChromatid, 2> chromatid;
};

// Conversions between codes and the packing: code 2 is bit 1, any other bit 0.
void pack_chromatid(const std::int32_t* codes, PackedChromatid& words);
void unpack_chromatid(const PackedChromatid& words, std::int32_t* codes);
PackedPlant pack(const PlantGeno& plant);
void unpack(const PackedPlant& packed, PlantGeno& plant);

// Entries are addressed 0-based (entry ID e at index_of(e)). A plant's row
// is read and written whole, in the packing the simulation works in.
class GenoTable {
 public:
  GenoTable() = default;
  explicit GenoTable(std::size_t entries) { create(entries); }
  // Creates the table for `entries` plants, every code 1 (may throw bad_alloc).
  void create(std::size_t entries);
  std::size_t size() const { return entries_; }

  void read_plant(std::size_t entry, PackedPlant& plant) const;
  void write_plant(std::size_t entry, const PackedPlant& plant);

 private:
  // Both chromatids of an entry, one after the other.
  static constexpr std::size_t kWordsPerPlant = 2 * kGenoWords;

  std::size_t entries_ = 0;
  std::vector<std::uint64_t> words_;
};

}  // namespace tf
