#include "tools/genome/genome_layout.h"

#include <algorithm>
#include <array>
#include <vector>

#include "tools/genome/stream_draws.h"

namespace tf {
namespace {

// Splits `total` over the chromosomes in proportion to their lengths
// (largest remainder).
std::array<int, kChromosomes> share_out(int total, const std::array<int, kChromosomes>& length) {
  long sum = 0;
  for (int len : length) sum += len;
  std::array<int, kChromosomes> count{};
  std::array<std::pair<long, int>, kChromosomes> remainder{};
  int given = 0;
  for (int c = 0; c < kChromosomes; ++c) {
    const long scaled = static_cast<long>(total) * length[c];
    count[c] = static_cast<int>(scaled / sum);
    remainder[c] = {scaled % sum, c};
    given += count[c];
  }
  std::sort(remainder.begin(), remainder.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  for (int k = 0; given < total; ++k, ++given) ++count[remainder[k].second];
  return count;
}

struct Slot {
  int chromosome;  // 1-based
  int position;    // tenths of a cM
  bool marker;
};

bool is_fhb_candidate(int q) { return q >= 270 && q % 5 == 3; }

}  // namespace

LocusMap make_locus_map(RandomStream& stream) {
  std::array<int, kChromosomes> length{};
  for (int& len : length)
    len = kMinLengthTenths + draw_below(stream, kMaxLengthTenths - kMinLengthTenths + 1);
  const std::array<int, kChromosomes> markers = share_out(NMRK, length);
  const std::array<int, kChromosomes> qtl = share_out(NQTL, length);

  std::vector<Slot> slots;
  slots.reserve(NLOCI);
  for (int c = 0; c < kChromosomes; ++c) {
    std::vector<Slot> chrom;
    const double stride = static_cast<double>(length[c]) / markers[c];
    for (int k = 0; k < markers[c]; ++k) {
      const double at = (k + static_cast<double>(ran2(stream))) * stride;
      chrom.push_back({c + 1, static_cast<int>(at), true});
    }
    for (int k = 0; k < qtl[c]; ++k)
      chrom.push_back({c + 1, draw_below(stream, length[c] + 1), false});
    std::stable_sort(chrom.begin(), chrom.end(),
                     [](const Slot& a, const Slot& b) { return a.position < b.position; });
    slots.insert(slots.end(), chrom.begin(), chrom.end());
  }

  // QTL slots in genome order; the major gene takes the first one past a
  // tenth of its chromosome, the other Fhb candidates slots after it.
  std::vector<int> qtl_slots;
  for (int i = 0; i < NLOCI; ++i)
    if (!slots[i].marker) qtl_slots.push_back(i);
  const int major_len = length[kMajorChromosome - 1];
  std::size_t major = 0;
  while (slots[qtl_slots[major]].chromosome < kMajorChromosome ||
         slots[qtl_slots[major]].position * 10 < major_len)
    ++major;
  std::vector<int> code(NLOCI, 0);
  code[qtl_slots[major]] = MAJORQTL;

  std::vector<int> later(qtl_slots.begin() + static_cast<long>(major) + 1, qtl_slots.end());
  shuffle(later, stream);
  std::vector<int> rest(qtl_slots.begin(), qtl_slots.begin() + static_cast<long>(major));
  std::size_t next_later = 0;
  for (int q = 1; q <= NQTL; ++q) {
    if (q != MAJORQTL && is_fhb_candidate(q)) code[later[next_later++]] = q;
  }
  rest.insert(rest.end(), later.begin() + static_cast<long>(next_later), later.end());
  std::vector<int> numbers;
  for (int q = 1; q <= NQTL; ++q)
    if (q != MAJORQTL && !is_fhb_candidate(q)) numbers.push_back(q);
  shuffle(numbers, stream);
  for (std::size_t k = 0; k < rest.size(); ++k)
    code[static_cast<std::size_t>(rest[k])] = numbers[k];

  LocusMap map(NLOCI);
  int marker = 0;
  for (int i = 0; i < NLOCI; ++i) {
    map[i].code = slots[i].marker ? -(++marker) : code[i];
    map[i].chromosome = slots[i].chromosome;
    map[i].position = slots[i].position;
  }
  return map;
}

}  // namespace tf
