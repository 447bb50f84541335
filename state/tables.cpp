#include "state/tables.h"

#include "text/internal_error.h"
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
  for (std::size_t c = 0; c < FIXEDCOLHEAD.size(); ++c) {
    colhead[c] = text_field(FIXEDCOLHEAD[c], COLWIDTH);
  }
}

std::size_t add_value_columns(ResultColumns& columns, std::size_t count) {
  const std::size_t first = static_cast<std::size_t>(columns.ncol);
  TF_BUG_ASSERT(first + count <= static_cast<std::size_t>(MAXCOL));
  columns.ncol += static_cast<std::int32_t>(count);
  return first;
}

void set_column_head(ResultColumns& columns, std::size_t c, std::string_view name,
                     std::int32_t nlocs, float lsd) {
  columns.colhead[NFIXEDCOL + c] = text_field(name, COLWIDTH);
  columns.nlocs[c] = nlocs;
  columns.lsd[c] = lsd;
}

}  // namespace tf
