// The crosses of a game: Crosses.csv waited for, counted, read and checked.
#pragma once

#include <cstdint>
#include <vector>

#include "state/tables.h"
#include "text/console.h"
#include "text/file_channel.h"

namespace tf {

// Waits until Crosses.csv exists and can be opened, announces the F2 plants
// and returns the number of its records (NCROSS): every line counts.
std::int32_t crosses_first_half(Console& con, FileChannel& files);

// Reads the crosses into `crosses` (created with NCROSS rows), then checks
// them; `errflag` becomes 1 when they are rejected. Returns NPLANT, the sum
// of the cross sizes (0 when rejected).
std::int32_t crosses_second_half(Console& con, FileChannel& files, CrossTables& crosses,
                                 std::int32_t& errflag);

// The checks of the crosses, in order: every record complete with parents in
// 1..NPAR and a size of 0 or more; no size above MAXCROSSSIZE; no pair of
// parents twice in either order. The first that fails is reported and sets
// `errflag` to 1. `complete`[c] tells whether record c gave all three values.
void crosscheck(Console& con, const CrossTables& crosses, const std::vector<bool>& complete,
                std::int32_t& errflag);

}  // namespace tf
