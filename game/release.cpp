#include "game/release.h"

#include <string>

#include "text/text_format.h"

namespace tf {

namespace {

constexpr double kProteinLow = 8.995;
constexpr double kProteinHigh = 12.00499;
constexpr double kFhbHigh = 5.00499;
constexpr double kFhbFloor = static_cast<double>(0.001F);

// Asks until the answer is an entry's ID. A null answer keeps the last
// integer, which lies outside the range while the loop still asks, or there
// is none yet: either way the prompt comes again.
std::int32_t ask_line_id(Console& con, std::int32_t& lineid, std::size_t nplant) {
  for (;;) {
    con.spacer();
    const Answer answer =
        con.answer_prompt("  Line ID number [from RESULTS.CSV file] of selected line : ", lineid);
    if (answer != Answer::kValue) continue;
    if (lineid >= 1 && static_cast<std::size_t>(lineid) <= nplant) return lineid;
  }
}

}  // namespace

double floored_fhb(double fhb) { return fhb < kFhbFloor ? kFhbFloor : fhb; }

bool meets_protein_standard(double protein) {
  return kProteinLow <= protein && protein <= kProteinHigh;
}

bool meets_fhb_standard(double fhb) { return fhb <= kFhbHigh; }

bool meets_standards(const TraitValues& values) {
  return meets_protein_standard(values[index_of(Trait::kProtein)]) &&
         meets_fhb_standard(floored_fhb(values[index_of(Trait::kFhb)]));
}

void release_check(Console& con, GameState& state, EntryTable& entries) {
  if (entries.nplant() == 0) {
    con.free_line(" There is no line to release");
    return;
  }
  const std::size_t e = index_of(ask_line_id(con, state.lineid, entries.nplant()));
  TraitValues& g = entries.g_ri[e];
  const double& yield = g[index_of(Trait::kYield)];
  const double& protein = g[index_of(Trait::kProtein)];
  double& fhb = g[index_of(Trait::kFhb)];

  con.section_opening();
  con.free_line(" The genotypic values of the line you released are as follows:");
  con.spacer();
  con.formatted_line("  Line ID " + int_field(entries.id[e], 6) + ", from Parent " +
                     int_field(entries.plantpar[e][0], 2) + " x Parent " +
                     int_field(entries.plantpar[e][1], 2));
  con.spacer();
  con.formatted_line("       Yield [bushels/acre] = " + fixed_field(yield, 12, 2));
  con.formatted_line("  Protein concentration [%] = " + fixed_field(protein, 12, 2));
  fhb = floored_fhb(fhb);
  con.formatted_line("           Fhb severity [%] = " + fixed_field(fhb, 12, 2));
  con.spacer();

  const bool protok = meets_protein_standard(protein);
  const bool fhbok = meets_fhb_standard(fhb);
  const char* verdict = nullptr;
  if (protok && fhbok) {
    verdict = " The new line meets the standards for both protein and Fhb";
  } else if (protok) {
    verdict = " The new line meets the standard for protein but not for Fhb";
  } else if (fhbok) {
    verdict = " The new line meets the standard for Fhb but not for protein";
  } else {
    verdict = " The new line failed to meet the standards for protein and Fhb";
  }
  con.spacer();
  con.free_line(verdict);
  con.spacer();
  con.free_line(protok && fhbok ? " CONGRATULATIONS!" : " Try again!");
}

}  // namespace tf
