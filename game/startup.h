// The start-up of a game, from the banner to the start charge.
#pragma once

#include <cstdint>
#include <optional>

#include "game/game.h"

namespace tf {

// The stream seeded from `seed` (from the clock when there is none),
// Results.csv reset, the crosses read and checked, the tables created, the
// genome loaded, the F2 plants made and the start charge made. Returns the
// exit status when the game ends before its first menu (crosses rejected,
// tables that could not be created), else nothing.
std::optional<int> start_up(Game& game, std::optional<std::int32_t> seed);

}  // namespace tf
