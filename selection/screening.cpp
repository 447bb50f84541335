#include "selection/screening.h"

#include <cstddef>
#include <cstdint>

#include "state/account.h"
#include "text/text_format.h"

namespace tf {

void fhbqtl(Console& con, GameState& state, EntryTable& entries) {
  const bool plants = state.stage == Stage::kF2;

  con.section_opening();
  con.free_line(" Screening for Fhb major QTL ...");

  const std::vector<std::int32_t>& status = plants ? entries.fhbstat_f2 : entries.fhbstat_ri;
  for (std::size_t e = 0; e < entries.nplant(); ++e) {
    if (entries.keep[e] != 1) continue;
    const bool drop = plants ? (status[e] == 0 || status[e] == 1) : status[e] == 0;
    if (drop) entries.keep[e] = 0;
  }
  state.nkept = nkeep(entries.keep);

  con.spacer();
  con.formatted_line((plants ? "  Number of F2 plants kept = " : "  Number of lines kept = ") +
                     int_field(state.nkept, 6));
  con.spacer();
}

}  // namespace tf
