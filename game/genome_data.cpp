#include "game/genome_data.h"

#include <algorithm>
#include <cstdint>

#include "state/fixed_data.h"
#include "text/fatal.h"

namespace tf {

namespace {

// Reads file `name` into `table`, one record of `width` values per row, in
// order: `bind` points the items at the row's cells (a null value keeps what
// the cell holds), then the record is read with neither an end nor an error
// branch. A row that `valid` refuses ends the run with the fatal report
// `fault`.
template <class Table, class Bind, class Valid>
void read_records(FileChannel& files, const char* name, Table& table, std::size_t width, Bind bind,
                  Valid valid, const char* fault) {
  files.open_read(name);
  std::vector<Item> items(width);
  for (auto& row : table) {
    bind(items, row);
    files.read_or_fatal(items);
    if (!valid(row)) throw FatalIoError::with_message(fault, files.read_operation());
  }
  files.close();
}

}  // namespace

void load_locus_map(FileChannel& files, LocusMap& locmap) {
  read_records(
      files, "zForbidden.csv", locmap, 3,
      [](std::vector<Item>& items, LocusRow& row) {
        items[0] = Item::integer(row.code);
        items[1] = Item::integer(row.chromosome);
        items[2] = Item::integer(row.position);
      },
      [](const LocusRow& row) {
        const bool qtl = row.code >= 1 && row.code <= NQTL;
        const bool marker = row.code <= -1 && row.code >= -NMRK;
        return qtl || marker;
      },
      "Locus code out of range in zForbidden.csv");
}

void load_parent_genotypes(FileChannel& files, ParentGenotypes& pargeno) {
  using Parent = ParentGenotypes::value_type;
  read_records(
      files, "zHandsOff.csv", pargeno, NLOCI,
      [](std::vector<Item>& items, Parent& parent) {
        for (std::size_t i = 0; i < parent.size(); ++i) items[i] = Item::integer(parent[i]);
      },
      [](const Parent& parent) {
        return std::all_of(parent.begin(), parent.end(),
                           [](std::int32_t code) { return code == 1 || code == 2; });
      },
      "Allele code other than 1 or 2 in zHandsOff.csv");
}

void load_marker_effects(FileChannel& files, MarkerEffects& mrkeff) {
  // Any real is an effect or an intercept: no record is refused.
  read_records(
      files, "zKeepOut.csv", mrkeff, NTRAIT,
      [](std::vector<Item>& items, TraitValues& row) {
        for (std::size_t t = 0; t < row.size(); ++t) items[t] = Item::real(row[t]);
      },
      [](const TraitValues&) { return true; }, "");
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

double to_trait_scale(double raw, Trait trait) {
  const std::size_t t = index_of(trait);
  return ((raw - ZMEAN[t]) / ZSG[t]) * SG[t] + MEAN[t];
}

void rescale(std::vector<TraitValues>& values) {
  for (TraitValues& g : values) {
    for (const Trait trait : kTraits) {
      double& value = g[index_of(trait)];
      value = to_trait_scale(value, trait);
    }
  }
}

}  // namespace tf
