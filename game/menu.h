// The task menu: lists the tasks that the state of the game allows and
// accepts exactly those.
#pragma once

#include <cstdint>

#include "state/tables.h"
#include "text/console.h"

namespace tf {

// Whether `task` is offered in `state`: the one rule behind both the option
// lines and the answers accepted.
bool offered(const GameState& state, std::int32_t task);

// Writes the heading and the options, then asks until the answer is an
// offered task code, which it leaves in `state.task`. A null answer is judged
// as the code `state.task` already holds.
void menu(Console& con, GameState& state);

}  // namespace tf
