#include "genetics/effects.h"

#include <cstddef>

namespace tf {

namespace {

constexpr int kFhbThreshold = 270;  // Fhb QTL are protein QTL from this number up
constexpr int kFhbCountLimit = 25;  // tested before the count is raised: 26 Fhb QTL at most
constexpr float kMajorFactor = 3.0F;

// The ratios of the protein and the Fhb effects, one QTL to the next. The
// single-precision quotients are the bit patterns 0x3F79ADD4 and 0x3F73831F,
// which the hexadecimal floats spell out exactly.
constexpr float kProteinRatio = 79.0F / 81.0F;
constexpr float kFhbRatio = 39.0F / 41.0F;
static_assert(kProteinRatio == 0x1.f35ba8p-1F, "79/81 must round to the bits 0x3F79ADD4");
static_assert(kFhbRatio == 0x1.e7063ep-1F, "39/41 must round to the bits 0x3F73831F");

// x^n in single precision by repeated squaring, the exponent's bits taken
// from the lowest.
float power(float x, int n) {
  float result = 1.0F;
  float square = x;
  for (unsigned bits = static_cast<unsigned>(n); bits != 0; bits >>= 1) {
    if ((bits & 1U) != 0) result *= square;
    square *= square;
  }
  return result;
}

// Class 1, class 2 and heterozygous cells of one trait: class 2 gets
// `class2`, class 1 its negation, the heterozygote 0.
void set_trait(QtlEffect& cells, Trait trait, float class2) {
  const std::size_t t = index_of(trait);
  cells[0][t] = -static_cast<double>(class2);
  cells[1][t] = static_cast<double>(class2);
  cells[2][t] = 0.0;
}

void clear_trait(QtlEffect& cells, Trait trait) {
  for (TraitValues& cell : cells) cell[index_of(trait)] = 0.0;
}

}  // namespace

void geneffects(const LocusMap& locmap, QtlEffectTable& qtleff) {
  const float yield_ratio = static_cast<float>(NQTL - 1) / static_cast<float>(NQTL + 1);
  int protein_rank = 0;
  int fhb_rank = 0;
  for (const LocusRow& row : locmap) {
    const int q = row.code;
    // Markers and code 0 carry no effect; a QTL number beyond the table has
    // no row to write (the loader rejects such locus tables).
    if (q <= 0 || static_cast<std::size_t>(q) > qtleff.size()) continue;
    QtlEffect& cells = qtleff[index_of(q)];
    const float sign = q % 2 == 1 ? 1.0F : -1.0F;
    // The allele that raises yield lowers protein and raises Fhb: class 2
    // has the signs (s, -s, s).
    set_trait(cells, Trait::kYield, sign * power(yield_ratio, q));
    clear_trait(cells, Trait::kProtein);
    clear_trait(cells, Trait::kFhb);
    if (q % 5 != 3) continue;
    ++protein_rank;
    set_trait(cells, Trait::kProtein, -(sign * power(kProteinRatio, protein_rank)));
    if (q >= kFhbThreshold && fhb_rank <= kFhbCountLimit) {
      ++fhb_rank;
      float f = power(kFhbRatio, fhb_rank);
      if (fhb_rank == 1) f = kMajorFactor * f;  // the first Fhb QTL met is the major gene
      set_trait(cells, Trait::kFhb, sign * f);
    }
  }
}

}  // namespace tf
