#include "game/genome_data.h"

#include "state/fixed_data.h"
#include "text/fatal.h"

namespace tf {

void load_locus_map(FileChannel& files, LocusMap& locmap) {
  files.open_read("zForbidden.csv");
  std::vector<Item> items(3);
  for (LocusRow& row : locmap) {
    items[0] = Item::integer(row.code);
    items[1] = Item::integer(row.chromosome);
    items[2] = Item::integer(row.position);
    files.read_or_fatal(items);
    const bool qtl = row.code >= 1 && row.code <= NQTL;
    const bool marker = row.code <= -1 && row.code >= -NMRK;
    if (!qtl && !marker) {
      throw FatalIoError::with_message("Locus code out of range in zForbidden.csv",
                                       files.read_operation());
    }
  }
  files.close();
}

void load_parent_genotypes(FileChannel& files, ParentGenotypes& pargeno) {
  files.open_read("zHandsOff.csv");
  std::vector<Item> items(NLOCI);
  for (auto& parent : pargeno) {
    for (int i = 0; i < NLOCI; ++i) items[static_cast<std::size_t>(i)] = Item::integer(parent[i]);
    files.read_or_fatal(items);
    for (const std::int32_t code : parent) {
      if (code != 1 && code != 2) {
        throw FatalIoError::with_message("Allele code other than 1 or 2 in zHandsOff.csv",
                                         files.read_operation());
      }
    }
  }
  files.close();
}

void load_marker_effects(FileChannel& files, MarkerEffects& mrkeff) {
  files.open_read("zKeepOut.csv");
  std::vector<Item> items(NTRAIT);
  for (TraitValues& row : mrkeff) {
    for (int t = 0; t < NTRAIT; ++t) items[static_cast<std::size_t>(t)] = Item::real(row[t]);
    files.read_or_fatal(items);
  }
  files.close();
}

std::array<double, NTRAIT> plot_error_variances() {
  std::array<double, NTRAIT> ve{};
  for (std::size_t t = 0; t < NTRAIT; ++t) {
    const double sg2 = SG[t] * SG[t];
    const double h2 = static_cast<double>(H2[t]);
    ve[t] = ((sg2 - sg2 * h2) * 4.0) / h2;
  }
  return ve;
}

double to_trait_scale(double raw, std::size_t t) {
  return ((raw - ZMEAN[t]) / ZSG[t]) * SG[t] + MEAN[t];
}

void rescale(std::vector<TraitValues>& values) {
  for (TraitValues& g : values) {
    for (std::size_t t = 0; t < NTRAIT; ++t) g[t] = to_trait_scale(g[t], t);
  }
}

}  // namespace tf
