// Console texts of the Crosses.csv intake, shared by its in-process tests and
// its tests on the built program.
#pragma once

#include <string>

namespace tf::test {

inline const std::string kClosedPrompt =
    "  Make sure the CROSSES.CSV file is closed\n"
    "  Press <Enter> to continue\n";
inline const std::string kCreating = "   \n  Creating F2 plants within each cross ...\n";

}  // namespace tf::test
