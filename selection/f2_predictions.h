// Task 2 in the F2 stage: the marker-based predictions of the kept F2 plants
// in a table of their own, from which the player selects plants.
#pragma once

#include "state/tables.h"
#include "text/console.h"
#include "text/file_channel.h"

namespace tf {

// The whole task: the table, the report and the player's selection.
void gwsf2(Console& con, FileChannel& files, EntryTable& entries);

}  // namespace tf
