#include "results/results_table.h"

#include "text/closed_file.h"
#include "text/internal_error.h"
#include "text/text_format.h"

namespace tf {

namespace {

// The cells of the locations and LSD rows above the fixed columns.
std::string header_cells(std::string_view third) {
  return text_field(kHeaderMark, COLWIDTH) + ',' + text_field(kHeaderMark, COLWIDTH) + ',' +
         text_field(third, COLWIDTH);
}

}  // namespace

std::string entry_row(const EntryTable& entries, std::size_t e, const double* values,
                      std::size_t count) {
  std::string row;
  row.reserve((COLWIDTH + 1) * (count + 1));
  row += int_field(entries.id[e], 6);
  row += ',';
  row += int_field(entries.plantpar[e][0], 2);
  row += ',';
  row += int_field(entries.plantpar[e][1], 2);
  for (std::size_t c = 0; c < count; ++c) {
    row += ',';
    row += fixed_field(values[c], COLWIDTH, 2);
  }
  row += '\n';
  return row;
}

void open_results_for_write(Console& con, FileChannel& files) {
  open_write_when_closed(con, files, kResultsFile, "RESULTS.CSV");
}

void output(Console& con, FileChannel& files, const EntryTable& entries,
            const ResultColumns& columns) {
  TF_BUG_ASSERT(columns.ncol >= 0 && columns.ncol <= MAXCOL);
  const std::size_t ncol = static_cast<std::size_t>(columns.ncol);

  std::string locations = header_cells("[N_Locs=>]");
  std::string lsds = header_cells("[LSD(10%)=>]");
  std::string names = text_field(columns.colhead[0], COLWIDTH);
  for (std::size_t c = 1; c < NFIXEDCOL; ++c) {
    names += ',' + text_field(columns.colhead[c], COLWIDTH);
  }
  for (std::size_t c = 0; c < ncol; ++c) {
    locations += ',' + int_field(columns.nlocs[c], 3);
    lsds += ',' + fixed_field(columns.lsd[c], 8, 2);
    names += ',' + text_field(columns.colhead[NFIXEDCOL + c], COLWIDTH);
  }

  // The file channel gathers the rows and writes them in large blocks.
  open_results_for_write(con, files);
  files.write(locations + '\n');
  files.write(lsds + '\n');
  files.write(names + '\n');
  for (std::size_t e = 0; e < entries.nplant(); ++e) {
    if (entries.keep[e] == 1) files.write(entry_row(entries, e, entries.pheno[e].data(), ncol));
  }
  files.close();
}

}  // namespace tf
