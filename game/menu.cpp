#include "game/menu.h"

#include <string>

#include "text/text_format.h"

namespace tf {

bool offered(const GameState& s, std::int32_t task) {
  switch (task) {
    case 1:
      return s.fhbdone == 0;
    case 2:
      return (s.stage == 0 && s.gwsf2done == 0) || (s.stage == 1 && s.gwsridone == 0);
    case 3:
      return s.stage == 0;
    case 4:
    case 5:
    case 6:
      return s.stage == 1 && s.year <= 3;
    case 99:
      return s.stage == 1 && (s.gwsridone == 1 || s.phenodone == 1);
    default:
      return false;
  }
}

void menu(Console& con, GameState& state) {
  con.section_opening();
  con.free_line(" Enter the number corresponding to the next task:");
  con.spacer();
  if (offered(state, 1))
    con.free_line("    1  Select for plants homozygous for the Fhb resistance gene");
  if (offered(state, 2)) con.free_line("    2  Obtain genomewide predictions for each trait");
  if (offered(state, 3)) con.free_line("    3  Obtain homozygous lines by single-seed descent");
  if (offered(state, 4)) {
    const std::string year = int_field(state.year, 1) + "]";
    con.formatted_line("     4  Phenotype lines for yield and protein [Year " + year);
    con.formatted_line("     5  Phenotype lines for Fhb resistance [Year " + year);
    con.formatted_line("     6  Phenotype lines for all three traits [Year " + year);
  }
  if (offered(state, 99)) {
    con.free_line("   99  Release selected inbred as a cultivar [Line_ID needed]");
  }
  for (;;) {
    con.spacer();
    if (con.answer_prompt("  Task : ", state.task) == Answer::kUnreadable) continue;
    if (offered(state, state.task)) return;
    con.formatted_line("  Hey, invalid choice ...");
  }
}

}  // namespace tf
