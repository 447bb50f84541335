#include "game/intake.h"

#include <array>

namespace tf {

namespace {

const char* const kCrossesFile = "Crosses.csv";

void report_error(Console& con, const char* line1, const char* line2) {
  con.spacer();
  con.free_line(" ERROR:");
  con.free_line(line1);
  con.free_line(line2);
}

}  // namespace

std::int32_t crosses_first_half(Console& con, FileChannel& files) {
  while (!files.exists(kCrossesFile)) {
    con.free_line(" The CROSSES.CSV file cannot be found");
    con.free_line(" Double check, then press <Enter> to continue");
    con.enter_wait();
    con.spacer();
  }
  // Asked once in every game, also when the file is closed already.
  do {
    con.free_line(" Make sure the CROSSES.CSV file is closed");
    con.free_line(" Press <Enter> to continue");
    con.enter_wait();
  } while (!files.try_open_read(kCrossesFile));

  con.spacer();
  con.free_line(" Creating F2 plants within each cross ...");

  std::int32_t ncross = 0;
  while (read_line(files.source()) == ReadOutcome::kMade) ++ncross;
  files.close();
  return ncross;
}

std::int32_t crosses_second_half(Console& con, FileChannel& files, CrossTables& crosses,
                                 std::int32_t& errflag) {
  files.open_read(kCrossesFile);
  std::vector<bool> complete(crosses.ncross(), true);
  std::vector<Item> items(3);
  for (std::size_t c = 0; c < crosses.ncross(); ++c) {
    items[0] = Item::integer(crosses.crosspar[c][0]);
    items[1] = Item::integer(crosses.crosspar[c][1]);
    items[2] = Item::integer(crosses.crosssize[c]);
    files.read_or_fatal(items);
    for (const Item& item : items) {
      if (!item.assigned) complete[c] = false;
    }
  }
  files.close();

  errflag = 0;
  crosscheck(con, crosses, complete, errflag);
  if (errflag == 1) return 0;
  // Summed once the sizes are known to lie in 0..MAXCROSSSIZE, so that the sum
  // cannot overflow (at most 120 crosses pass the duplicate rule).
  std::int32_t nplant = 0;
  for (const std::int32_t size : crosses.crosssize) nplant += size;
  return nplant;
}

void crosscheck(Console& con, const CrossTables& crosses, const std::vector<bool>& complete,
                std::int32_t& errflag) {
  const std::size_t ncross = crosses.ncross();
  for (std::size_t c = 0; c < ncross; ++c) {
    const auto& par = crosses.crosspar[c];
    const bool parents_ok = par[0] >= 1 && par[0] <= NPAR && par[1] >= 1 && par[1] <= NPAR;
    if (!complete[c] || !parents_ok || crosses.crosssize[c] < 0) {
      report_error(con, "   Parent numbers must be 1 to 15 and cross sizes 0 to 2000",
                   "   Modify the CROSSES.CSV file accordingly");
      errflag = 1;
      return;
    }
  }
  for (std::size_t c = 0; c < ncross; ++c) {
    if (crosses.crosssize[c] > MAXCROSSSIZE) {
      report_error(con, "   The size of at least one cross exceeeded the maximum of 2000",
                   "   Modify the CROSSES.CSV file accordingly");
      errflag = 1;
      return;
    }
  }
  // With every parent number in 1..NPAR, a cross a x b is the same as b x a:
  // one table of the pairs met finds a repeat in a single pass.
  std::array<std::array<bool, NPAR + 1>, NPAR + 1> seen = {};
  for (std::size_t c = 0; c < ncross; ++c) {
    const std::int32_t a = crosses.crosspar[c][0];
    const std::int32_t b = crosses.crosspar[c][1];
    bool& pair = a <= b ? seen[a][b] : seen[b][a];
    if (pair) {
      report_error(con, "   Duplicate crosses were found",
                   "   Make sure each cross in the CROSSES.CSV file is unique");
      errflag = 1;
      return;
    }
    pair = true;
  }
}

}  // namespace tf
