#include "tools/genome/genome_files.h"

#include <cstdio>
#include <cstdlib>

namespace tf {

void write_locus_table(std::ostream& out, const LocusMap& locmap) {
  for (const LocusRow& row : locmap)
    out << row.code << ',' << row.chromosome << ',' << row.position << '\n';
}

void write_parents(std::ostream& out, const ParentGenotypes& pargeno) {
  for (const auto& codes : pargeno) {
    for (std::size_t i = 0; i < codes.size(); ++i) out << (i > 0 ? "," : "") << codes[i];
    out << '\n';
  }
}

std::string format_real(double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.12f", x);
  return text;
}

void write_marker_effects(std::ostream& out, const MarkerEffects& mrkeff) {
  for (const TraitValues& row : mrkeff)
    out << format_real(row[0]) << ',' << format_real(row[1]) << ',' << format_real(row[2]) << '\n';
}

MarkerEffects as_written(const MarkerEffects& mrkeff) {
  MarkerEffects read(mrkeff);
  for (TraitValues& row : read)
    for (double& x : row) x = std::strtod(format_real(x).c_str(), nullptr);
  return read;
}

}  // namespace tf
