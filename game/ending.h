// How a run ends: its exit statuses and the common end of a game.
#pragma once

#include "text/console.h"

namespace tf {

// Exit status of a run: 0 after the ending sequence, 255 after the fatal
// report or the internal-error report, 2 after a table group that could not
// be created.
constexpr int kExitNormal = 0;
constexpr int kExitFatal = 255;
constexpr int kExitNoMemory = 2;

// The common end of a game: two spacer lines, " Press <Enter> to EXIT", an
// Enter wait, a spacer line. Returns the exit status 0.
int ending_sequence(Console& con);

}  // namespace tf
