#include "state/account.h"

#include <string>

#include "state/fixed_data.h"
#include "state/tables.h"
#include "text/text_format.h"

namespace tf {

namespace {

// Makes or refuses one charge and reports it; `decimals` is 0 for budget
// and 2 for budget2. True when made.
bool charge(Console& con, float expense, float& balance, std::int32_t& overflag, int decimals) {
  if (balance >= expense) {
    overflag = 0;
    balance = balance - expense;
    con.spacer();
    con.formatted_line("          --->>> Remaining balance: $ " +
                       fixed_field(balance, 12, decimals));
    con.spacer();
    return true;
  }
  con.spacer();
  con.formatted_line("          --->>> Expenses exceed remaining funds");
  con.formatted_line("                    Balance:  $ " + fixed_field(balance, 12, decimals));
  con.formatted_line("                    Expenses: $ " + fixed_field(expense, 12, decimals));
  con.spacer();
  overflag = 1;
  return false;
}

}  // namespace

bool budget(Console& con, std::int32_t nunits, std::int32_t task, float& balance,
            std::int32_t& overflag) {
  const float expense = static_cast<float>(nunits) * COST[static_cast<std::size_t>(task)];
  return charge(con, expense, balance, overflag, 0);
}

bool budget2(Console& con, std::int32_t nkept, std::int32_t task, float& balance,
             std::int32_t& overflag, std::int32_t nloc_yp, std::int32_t nloc_fhb) {
  const float kept = static_cast<float>(nkept);
  const float yp_plot = static_cast<float>(nloc_yp) * COST[TaskCode::kYieldProteinTrial];
  const float fhb_plot = static_cast<float>(nloc_fhb) * COST[TaskCode::kFhbTrial];
  float expense = 0.0F;
  if (task == TaskCode::kYieldProteinTrial) {
    expense = yp_plot * kept;
  } else if (task == TaskCode::kFhbTrial) {
    expense = fhb_plot * kept;
  } else {
    expense = (yp_plot + fhb_plot) * kept;
  }
  return charge(con, expense, balance, overflag, 2);
}

std::int32_t nkeep(const std::vector<std::int32_t>& keep) {
  std::int32_t nkept = 0;
  for (const std::int32_t k : keep) {
    if (k == 1) ++nkept;
  }
  return nkept;
}

}  // namespace tf
