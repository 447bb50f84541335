// Task 2 in the line stage: the marker-based predictions of the inbred lines
// as three new value columns of the results table.
#pragma once

#include "state/tables.h"
#include "text/console.h"
#include "text/file_channel.h"

namespace tf {

// Appends the columns "Yield_Pred", "Protein_Pred" and "Fhb_Pred" with every
// entry's PRED_RI (their locations and LSDs stay 0), writes Results.csv,
// reports and reads the player's selection back.
void gwsri(Console& con, FileChannel& files, EntryTable& entries, ResultColumns& columns);

}  // namespace tf
