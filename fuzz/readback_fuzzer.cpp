// The read-back of Results.csv on arbitrary bytes, in both table layouts: the
// results table (three header rows) and the F2 prediction table (one). The
// console presses <Enter> a few times, then its input ends, so a file that
// never passes ends with the fatal report.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <vector>

#include "results/f2_table.h"
#include "results/readback.h"
#include "results/results_table.h"
#include "support.h"
#include "text/console.h"
#include "text/fatal.h"
#include "text/file_channel.h"

namespace {

// Entries of the game whose selection is read back; IDs above it are passed over.
constexpr std::size_t kEntries = 40;

void read_back_as(const tf::ReadbackLayout& layout) {
  std::istringstream in("\n\n\n\n");
  std::ostringstream out;
  tf::Console con(in, out);
  tf::FileChannel files(tf::fuzz::scratch_dir());
  std::vector<std::int32_t> keep(kEntries, 1);
  try {
    tf::read_back(con, files, keep, layout);
  } catch (const tf::FatalIoError&) {
    // The fatal report: the console input ended while the file was refused.
    return;
  }
  for (const std::int32_t k : keep) tf::fuzz::require(k == 0 || k == 1, "KEEP is not 0 or 1");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tf::fuzz::write_file(tf::kResultsFile, data, size);
  read_back_as(tf::results_readback());
  read_back_as(tf::f2_readback());
  return 0;
}
