// The game's populations with the lines it shows while they are made: the F2
// plants of the start-up and the inbred lines of task 3.
#pragma once

#include "genetics/population.h"
#include "state/tables.h"
#include "text/console.h"

namespace tf {

// The line "    Cross   c: Line  p x Line  q" of each cross, shown before
// its plants are drawn.
CrossStart cross_lines(Console& con);

// The six lines of task 3, shown before the first line is drawn.
LinesStart task3_lines(Console& con);

// The start-up's F2 plants: every cross's plants into the entry table, the
// cross's line shown first.
void make_f2_plants(Console& con, const GenomeTables& genome, const CrossTables& crosses,
                    RandomStream& stream, EntryTable& entries);

// Task 3 once it is paid for: the six lines, every entry, kept or dropped,
// made an inbred line, its genotypic values brought to the trait scale; the
// game moves to the line stage (STAGE 1).
void make_inbred_lines(Console& con, const GenomeTables& genome, GameState& state,
                       EntryTable& entries);

}  // namespace tf
