// The game's one account: charges against BALANCE, in single precision, with
// the balance or the shortfall reported on the console.
#pragma once

#include <cstdint>
#include <vector>

#include "text/console.h"

namespace tf {

// Charges `nunits` units at COST(`task`), task a TaskCode from kStartCharge
// to kInbredLines. Sets `overflag` to 0 and lowers `balance` when the
// balance covers the expense, else leaves it and sets `overflag` to 1.
// Returns whether the charge was made (overflag 0). Amounts shown with no
// decimals.
bool budget(Console& con, std::int32_t nunits, std::int32_t task, float& balance,
            std::int32_t& overflag);

// Charges the plots of a trial (task kYieldProteinTrial, kFhbTrial or
// kThreeTraitTrial) for `nkept` entries at `nloc_yp` yield-and-protein and
// `nloc_fhb` Fhb locations; `overflag` and the result as for budget. Amounts
// shown with two decimals.
bool budget2(Console& con, std::int32_t nkept, std::int32_t task, float& balance,
             std::int32_t& overflag, std::int32_t nloc_yp, std::int32_t nloc_fhb);

// The number of entries whose KEEP is 1 (only the value 1 counts).
std::int32_t nkeep(const std::vector<std::int32_t>& keep);

}  // namespace tf
