// The crosses intake on arbitrary bytes as Crosses.csv: the count, the read
// and the checks, as the main program runs them, with a console that presses
// <Enter> at the closed-file prompt. Crosses that pass must obey every rule
// of the checks.
#include <array>
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "game/intake.h"
#include "state/tables.h"
#include "support.h"
#include "text/console.h"
#include "text/fatal.h"
#include "text/file_channel.h"

namespace {

using tf::fuzz::require;

void check_accepted(const tf::CrossTables& crosses, std::int32_t nplant) {
  std::array<std::array<bool, tf::NPAR + 1>, tf::NPAR + 1> seen = {};
  std::int64_t sum = 0;
  for (std::size_t c = 0; c < crosses.ncross(); ++c) {
    const std::int32_t a = crosses.crosspar[c][0];
    const std::int32_t b = crosses.crosspar[c][1];
    const std::int32_t n = crosses.crosssize[c];
    require(a >= 1 && a <= tf::NPAR && b >= 1 && b <= tf::NPAR, "a parent out of range passed");
    require(n >= 0 && n <= tf::MAXCROSSSIZE, "a cross size out of range passed");
    require(!seen[a][b] && !seen[b][a], "a repeated pair of parents passed");
    seen[a][b] = true;
    sum += n;
  }
  require(sum == nplant, "the number of plants is not the sum of the cross sizes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tf::fuzz::write_file("Crosses.csv", data, size);
  std::istringstream in("\n\n");
  std::ostringstream out;
  tf::Console con(in, out);
  tf::FileChannel files(tf::fuzz::scratch_dir());
  try {
    const std::int32_t ncross = tf::crosses_first_half(con, files);
    require(ncross >= 0, "a negative number of crosses");
    tf::CrossTables crosses;
    crosses.create(static_cast<std::size_t>(ncross));
    std::int32_t errflag = -1;
    const std::int32_t nplant = tf::crosses_second_half(con, files, crosses, errflag);
    require(errflag == 0 || errflag == 1, "the error flag is neither 0 nor 1");
    if (errflag == 0) {
      check_accepted(crosses, nplant);
    } else {
      require(nplant == 0, "rejected crosses with plants");
    }
  } catch (const tf::FatalIoError&) {
    // The fatal report: the run's normal end on a record that cannot be read.
  }
  return 0;
}
