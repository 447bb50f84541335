// The second half of the start-up, once the crosses are accepted and the
// entry table is created.
#pragma once

#include "game/game.h"

namespace tf {

// Loads the three genome files, builds the effect table and VE, makes the F2
// plants, sets the initial state of the entries and the game, and makes the
// start charge.
void start_game(Game& game);

}  // namespace tf
