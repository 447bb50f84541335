#include "game/task_loop.h"

#include <cstdint>

#include "game/ending.h"
#include "game/menu.h"
#include "game/populations.h"
#include "game/release.h"
#include "selection/f2_predictions.h"
#include "selection/line_predictions.h"
#include "selection/screening.h"
#include "state/account.h"
#include "state/fixed_data.h"
#include "trials/trial.h"

namespace tf {

namespace {

enum class TaskOutcome {
  kDone,      // back to the menu
  kRefused,   // the funds do not cover the task: the game ends
  kReleased,  // a line was released: the game ends
};

// Charges `units` of task `task` through budget; false when refused.
bool charged(Game& game, std::int32_t units) {
  GameState& s = game.state;
  return budget(game.con, units, s.task, s.balance, s.overflag);
}

// Task 1: only kept entries whose parents differ in CARRIER are charged.
TaskOutcome marker_screening(Game& game) {
  GameState& s = game.state;
  const EntryTable& en = game.entries;
  s.nscreen = 0;
  for (std::size_t e = 0; e < en.nplant(); ++e) {
    const auto& par = en.plantpar[e];
    if (en.keep[e] == 1 && CARRIER[index_of(par[0])] != CARRIER[index_of(par[1])]) ++s.nscreen;
  }
  if (!charged(game, s.nscreen)) return TaskOutcome::kRefused;
  fhbqtl(game.con, s, game.entries);
  s.fhbdone = 1;
  return TaskOutcome::kDone;
}

// Task 2: the F2 prediction table, or the line predictions in the results table.
TaskOutcome genomewide_predictions(Game& game) {
  GameState& s = game.state;
  s.nkept = nkeep(game.entries.keep);
  if (!charged(game, s.nkept)) return TaskOutcome::kRefused;
  if (s.stage == Stage::kF2) {
    gwsf2(game.con, game.files, game.entries);
    s.gwsf2done = 1;
  } else {
    gwsri(game.con, game.files, game.entries, game.columns);
    s.gwsridone = 1;
  }
  return TaskOutcome::kDone;
}

// Task 3: every entry, kept or dropped, becomes an inbred line on the trait scale.
TaskOutcome inbred_lines(Game& game) {
  GameState& s = game.state;
  EntryTable& en = game.entries;
  s.nkept = nkeep(en.keep);
  if (!charged(game, s.nkept)) return TaskOutcome::kRefused;
  make_inbred_lines(game.con, game.genome, s, en);
  return TaskOutcome::kDone;
}

// Tasks 4, 5, 6: each trial, of whichever kind, takes one trial year.
TaskOutcome trial_and_next_year(Game& game) {
  GameState& s = game.state;
  const auto trial = s.task == TaskCode::kYieldProteinTrial ? phenyldprot
                     : s.task == TaskCode::kFhbTrial        ? phenfhb
                                                            : phen3;
  if (trial(game.con, game.files, s, game.entries, game.columns, game.ve) ==
      TrialOutcome::kGameEnds) {
    return TaskOutcome::kRefused;
  }
  s.year += 1;
  s.phenodone = 1;
  return TaskOutcome::kDone;
}

TaskOutcome release(Game& game) {
  release_check(game.con, game.state, game.entries);
  return TaskOutcome::kReleased;
}

struct Task {
  TaskCode code;
  TaskOutcome (*run)(Game&);
};

// The dispatch: the menu returns only these codes.
constexpr Task kTasks[] = {
    {TaskCode::kMarkerScreening, marker_screening},
    {TaskCode::kGenomewidePredictions, genomewide_predictions},
    {TaskCode::kInbredLines, inbred_lines},
    {TaskCode::kYieldProteinTrial, trial_and_next_year},
    {TaskCode::kFhbTrial, trial_and_next_year},
    {TaskCode::kThreeTraitTrial, trial_and_next_year},
    {TaskCode::kRelease, release},
};

}  // namespace

int task_loop(Game& game) {
  for (;;) {
    menu(game.con, game.state);
    for (const Task& task : kTasks) {
      if (task.code != game.state.task) continue;
      switch (task.run(game)) {
        case TaskOutcome::kDone:
          break;
        case TaskOutcome::kRefused:
          game.con.spacer();
          game.con.formatted_line("          --->>> Program terminated");
          return ending_sequence(game.con);
        case TaskOutcome::kReleased:
          return ending_sequence(game.con);
      }
      break;
    }
  }
}

}  // namespace tf
