// The task loop: menu, charge, task, menu again, until the game ends.
#pragma once

#include "game/game.h"

namespace tf {

// Runs the loop until the game ends; returns the exit status of the run.
int task_loop(Game& game);

}  // namespace tf
