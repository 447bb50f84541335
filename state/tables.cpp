#include "state/tables.h"

#include <stdexcept>

#include "text/text_format.h"

namespace tf {

void CrossTables::create(std::size_t ncross) {
  crosssize.assign(ncross, 0);
  crosspar.assign(ncross, {0, 0});
}

void GenomeTables::create() {
  locmap.assign(NLOCI, LocusRow{});
  pargeno.assign(NPAR, {});
  qtleff.assign(NQTL, QtlEffect{});
  mrkeff.assign(NCOEF, TraitValues{});
}

void EntryTable::create(std::size_t nplant) {
  errmean.assign(nplant, 0.0);
  id.assign(nplant, 0);
  geno.create(nplant);
  fhbstat_f2.assign(nplant, 0);
  fhbstat_ri.assign(nplant, 0);
  pred_f2.assign(nplant, TraitValues{});
  pred_ri.assign(nplant, TraitValues{});
  g_ri.assign(nplant, TraitValues{});
  plantpar.assign(nplant, {0, 0});
  keep.assign(nplant, 0);
  pheno.assign(nplant, {});
}

ResultColumns::ResultColumns() {
  colhead[0] = text_field("Line_ID", 12);
  colhead[1] = text_field("Parent_1", 12);
  colhead[2] = text_field("Parent_2", 12);
}

void add_value_columns(ResultColumns& columns, EntryTable& entries, std::size_t count,
                       const char* who, const std::function<ColumnHead(std::size_t)>& head,
                       const std::function<double(std::size_t, std::size_t)>& value) {
  const std::size_t first = static_cast<std::size_t>(columns.ncol);
  if (first + count > static_cast<std::size_t>(MAXCOL)) {
    throw std::logic_error(std::string(who) + ": no room for its value columns");
  }
  columns.ncol += static_cast<std::int32_t>(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t c = first + i;
    const ColumnHead h = head(i);
    for (std::size_t e = 0; e < entries.nplant(); ++e) entries.pheno[e][c] = value(i, e);
    columns.colhead[3 + c] = text_field(h.name, 12);
    columns.nlocs[c] = h.nlocs;
    columns.lsd[c] = h.lsd;
  }
}

}  // namespace tf
