// Task 2 in the F2 stage: the marker-based predictions of the kept F2 plants
// in a table of their own, from which the player selects plants.
#pragma once

#include "game/file_channel.h"
#include "game/game.h"
#include "trials/readback.h"

namespace tf {

// Writes Results.csv as the F2 prediction table: the header row of the six
// HEADER texts, then one row per kept plant in entry order with its ID,
// parents and three predictions.
void write_f2_table(Console& con, FileChannel& files, const EntryTable& entries);

// The F2 prediction table's read-back: one header row whose first value is
// "Plant_ID"; a changed header row sends the dialogue back to step A.
const ReadbackLayout& f2_readback();

// The whole task: the table, the report and the player's selection.
void gwsf2(Game& game);

}  // namespace tf
