// One of the three genome data loaders on arbitrary bytes as its file; which
// one is fixed when the target is built (TF_LOADER 1, 2 or 3). A load that
// passes leaves only values its table's users can index with.
#include <cstddef>
#include <cstdint>

#include "game/genome_data.h"
#include "genetics/effects.h"
#include "state/tables.h"
#include "support.h"
#include "text/fatal.h"
#include "text/file_channel.h"

namespace {

using tf::fuzz::require;

#if TF_LOADER == 1
const char* const kFile = "zForbidden.csv";
void load(tf::FileChannel& files, tf::GenomeTables& g) {
  tf::load_locus_map(files, g.locmap);
  for (const tf::LocusRow& row : g.locmap) {
    require((row.code >= 1 && row.code <= tf::NQTL) || (row.code <= -1 && row.code >= -tf::NMRK),
            "a locus code out of range passed");
  }
  // The effect table is built from the map alone, indexed by its QTL codes.
  tf::geneffects(g.locmap, g.qtleff);
}
#elif TF_LOADER == 2
const char* const kFile = "zHandsOff.csv";
void load(tf::FileChannel& files, tf::GenomeTables& g) {
  tf::load_parent_genotypes(files, g.pargeno);
  for (const auto& parent : g.pargeno) {
    for (const std::int32_t code : parent) {
      require(code == 1 || code == 2, "an allele code other than 1 or 2 passed");
    }
  }
}
#elif TF_LOADER == 3
const char* const kFile = "zKeepOut.csv";
void load(tf::FileChannel& files, tf::GenomeTables& g) { tf::load_marker_effects(files, g.mrkeff); }
#else
#error "TF_LOADER must be 1, 2 or 3"
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tf::fuzz::write_file(kFile, data, size);
  tf::GenomeTables g;
  g.create();
  tf::FileChannel files(tf::fuzz::scratch_dir());
  try {
    load(files, g);
  } catch (const tf::FatalIoError&) {
    // The fatal report: the run's normal end on a file that cannot be read.
  }
  return 0;
}
