#include "trials/trial.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "results/selection_round.h"
#include "state/account.h"
#include "state/fixed_data.h"
#include "text/internal_error.h"
#include "text/text_format.h"
#include "trials/plot_errors.h"

namespace tf {

namespace {

// The two location counts a trial can ask for.
enum Site : std::size_t { kYieldProtein = 0, kFhb = 1, kSites = 2 };

struct LocationPrompt {
  std::string_view text;
  std::int32_t maximum;
};

// The run of 60 blanks before the "]" is on purpose: the prompt is laid out
// that way, and its fixed text is printed exactly as it stands.
constexpr std::string_view kYieldProteinPrompt =
    "  Number of trial locations for yield and protein [maximum of 12"
    "                                                            ]: ";

constexpr std::array<LocationPrompt, kSites> kPrompts = {{
    {kYieldProteinPrompt, 12},
    {"  Number of trial locations for Fhb [maximum of 4]: ", 4},
}};

// The trial of one trait: the trait and the location count that it is grown at.
struct TrialTrait {
  Trait trait;
  Site site;
};

// What the kinds of trial differ in.
struct TrialKind {
  TaskCode task;                   // selects budget2's formula
  std::vector<Site> prompts;       // asked in this order, all again after a refusal
  std::array<Site, 2> charged;     // counts passed to budget2
  std::vector<TrialTrait> traits;  // in column order
};

const TrialKind& yield_protein_trial() {
  static const TrialKind kind{TaskCode::kYieldProteinTrial,
                              {kYieldProtein},
                              {kYieldProtein, kYieldProtein},
                              {{Trait::kYield, kYieldProtein}, {Trait::kProtein, kYieldProtein}}};
  return kind;
}

const TrialKind& fhb_trial() {
  static const TrialKind kind{TaskCode::kFhbTrial, {kFhb}, {kFhb, kFhb}, {{Trait::kFhb, kFhb}}};
  return kind;
}

const TrialKind& three_trait_trial() {
  static const TrialKind kind{
      TaskCode::kThreeTraitTrial,
      {kYieldProtein, kFhb},
      {kYieldProtein, kFhb},
      {{Trait::kYield, kYieldProtein}, {Trait::kProtein, kYieldProtein}, {Trait::kFhb, kFhb}}};
  return kind;
}

// Asks until a count in 1..maximum is given. A count keeps its value after a
// null answer; it starts at 0, which no prompt accepts.
void ask_locations(Console& con, const LocationPrompt& prompt, std::int32_t& count) {
  for (;;) {
    if (con.answer_prompt(prompt.text, count) == Answer::kUnreadable) continue;
    con.spacer();
    if (count >= 1 && count <= prompt.maximum) return;
  }
}

// The phenotype of one line in a trial: its genotypic value plus its mean
// plot error, protein held at 5.0 and Fhb below 0.05 shown as 0.0.
double phenotype(Trait trait, double value) {
  if (trait == Trait::kProtein && value < 5.0) return 5.0;
  if (trait == Trait::kFhb && value < static_cast<double>(0.05F)) return 0.0;
  return value;
}

// One trial of the kind given, from the location prompts to the read-back.
TrialOutcome run_trial(Console& con, FileChannel& files, GameState& state, EntryTable& entries,
                       ResultColumns& columns, const std::array<double, NTRAIT>& ve,
                       const TrialKind& kind) {
  // The menu offers no trial after the last year.
  TF_BUG_ASSERT(state.year >= 1 && state.year <= NYEAR);
  con.section_opening();

  std::array<std::int32_t, kSites> counts = {0, 0};
  for (;;) {
    for (const Site site : kind.prompts) ask_locations(con, kPrompts[site], counts[site]);
    state.nkept = nkeep(entries.keep);
    if (budget2(con, state.nkept, kind.task, state.balance, state.overflag, counts[kind.charged[0]],
                counts[kind.charged[1]])) {
      break;
    }
    bool smallest = true;
    for (const Site site : kind.prompts) smallest = smallest && counts[site] == 1;
    if (smallest) return TrialOutcome::kGameEnds;
    con.spacer();
    con.formatted_line("                 Reduce the number of locations");
    con.spacer();
  }

  const std::size_t first = add_value_columns(columns, kind.traits.size());
  for (std::size_t i = 0; i < kind.traits.size(); ++i) {
    const TrialTrait& tt = kind.traits[i];
    const std::size_t c = first + i;
    const std::int32_t nloc = counts[tt.site];
    const std::size_t t = index_of(tt.trait);
    const float lsd = nong(state.stream, entries.errmean, nloc, tt.trait, ve);
    for (std::size_t e = 0; e < entries.nplant(); ++e) {
      entries.pheno[e][c] = phenotype(tt.trait, entries.g_ri[e][t] + entries.errmean[e]);
    }
    set_column_head(columns, c, TRAITNAME[static_cast<std::size_t>(state.year)][t], nloc, lsd);
  }

  select_from_results_table(con, files, entries, columns,
                            "  Phenotyping done for Year " + int_field(state.year, 1));
  return TrialOutcome::kDone;
}

}  // namespace

TrialOutcome phenyldprot(Console& con, FileChannel& files, GameState& state, EntryTable& entries,
                         ResultColumns& columns, const std::array<double, NTRAIT>& ve) {
  return run_trial(con, files, state, entries, columns, ve, yield_protein_trial());
}

TrialOutcome phenfhb(Console& con, FileChannel& files, GameState& state, EntryTable& entries,
                     ResultColumns& columns, const std::array<double, NTRAIT>& ve) {
  return run_trial(con, files, state, entries, columns, ve, fhb_trial());
}

TrialOutcome phen3(Console& con, FileChannel& files, GameState& state, EntryTable& entries,
                   ResultColumns& columns, const std::array<double, NTRAIT>& ve) {
  return run_trial(con, files, state, entries, columns, ve, three_trait_trial());
}

}  // namespace tf
