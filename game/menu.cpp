#include "game/menu.h"

#include <string>

#include "state/fixed_data.h"
#include "text/text_format.h"

namespace tf {

bool offered(const GameState& s, std::int32_t task) {
  switch (task) {
    case TaskCode::kMarkerScreening:
      return s.fhbdone == 0;
    case TaskCode::kGenomewidePredictions:
      return (s.stage == Stage::kF2 && s.gwsf2done == 0) ||
             (s.stage == Stage::kLine && s.gwsridone == 0);
    case TaskCode::kInbredLines:
      return s.stage == Stage::kF2;
    case TaskCode::kYieldProteinTrial:
    case TaskCode::kFhbTrial:
    case TaskCode::kThreeTraitTrial:
      return s.stage == Stage::kLine && s.year <= NYEAR;
    case TaskCode::kRelease:
      return s.stage == Stage::kLine && (s.gwsridone == 1 || s.phenodone == 1);
    default:
      return false;
  }
}

void menu(Console& con, GameState& state) {
  con.section_opening();
  con.free_line(" Enter the number corresponding to the next task:");
  con.spacer();
  if (offered(state, TaskCode::kMarkerScreening)) {
    con.free_line("    1  Select for plants homozygous for the Fhb resistance gene");
  }
  if (offered(state, TaskCode::kGenomewidePredictions)) {
    con.free_line("    2  Obtain genomewide predictions for each trait");
  }
  if (offered(state, TaskCode::kInbredLines)) {
    con.free_line("    3  Obtain homozygous lines by single-seed descent");
  }
  // The three trials are offered together.
  if (offered(state, TaskCode::kYieldProteinTrial)) {
    const std::string year = int_field(state.year, 1) + "]";
    con.formatted_line("     4  Phenotype lines for yield and protein [Year " + year);
    con.formatted_line("     5  Phenotype lines for Fhb resistance [Year " + year);
    con.formatted_line("     6  Phenotype lines for all three traits [Year " + year);
  }
  if (offered(state, TaskCode::kRelease)) {
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
