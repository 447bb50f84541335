#include "tools/genome/line_sampling.h"

namespace tf {

std::vector<Cross> all_crosses() {
  std::vector<Cross> crosses;
  for (int p1 = 1; p1 <= NPAR; ++p1)
    for (int p2 = p1 + 1; p2 <= NPAR; ++p2) crosses.push_back({p1, p2});
  return crosses;
}

PlantGeno make_f1(const ParentGenotypes& pargeno, const Cross& cross) {
  PlantGeno f1;
  f1.chromatid[0] = pargeno[index_of(cross[0])];
  f1.chromatid[1] = pargeno[index_of(cross[1])];
  return f1;
}

void make_line(const PlantGeno& f1, const RecombinationMap& map, RandomStream& stream,
               PlantGeno& line) {
  Gamete gamete;
  meiosis(f1, map, gamete, stream);
  line.chromatid[0] = gamete;
  meiosis(f1, map, gamete, stream);
  line.chromatid[1] = gamete;
  selfing(line, map, stream);
}

std::array<std::int8_t, NMRK> marker_scores(const PlantGeno& plant, const LocusMap& locmap) {
  std::array<std::int8_t, NMRK> score{};
  for (int i = 0; i < NLOCI; ++i) {
    const int code = locmap[static_cast<std::size_t>(i)].code;
    if (code >= 0) continue;
    const int a = plant.chromatid[0][static_cast<std::size_t>(i)];
    const int b = plant.chromatid[1][static_cast<std::size_t>(i)];
    score[index_of(-code)] = a == 1 && b == 1 ? -1 : (a == 2 && b == 2 ? 1 : 0);
  }
  return score;
}

}  // namespace tf
