#include "state/tables.h"

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

}  // namespace tf
