#include "state/tables.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "text/internal_error.h"

namespace tf {
namespace {

TEST(ValueColumns, AppendedAfterThoseInUseWithTheirHeads) {
  ResultColumns columns;
  columns.ncol = 1;
  set_column_head(columns, 0, "Yield_Y1", 2, 9.5F);
  const std::size_t first = add_value_columns(columns, 2);
  EXPECT_EQ(first, 1U);
  EXPECT_EQ(columns.ncol, 3);
  set_column_head(columns, first, "Protein_Y2", 4, 1.25F);
  set_column_head(columns, first + 1, "Fhb_Pred");
  EXPECT_EQ(columns.colhead[3], "Yield_Y1    ");
  EXPECT_EQ(columns.colhead[4], "Protein_Y2  ");
  EXPECT_EQ(columns.colhead[5], "Fhb_Pred    ");
  EXPECT_EQ(columns.nlocs[0], 2);
  EXPECT_EQ(columns.lsd[0], 9.5F);
  EXPECT_EQ(columns.nlocs[1], 4);
  EXPECT_EQ(columns.lsd[1], 1.25F);
  EXPECT_EQ(columns.nlocs[2], 0);
  EXPECT_EQ(columns.lsd[2], 0.0F);
}

TEST(ValueColumns, NoRoomPastMaxcolChangesNothing) {
  struct Case {
    std::int32_t ncol;
    bool fits;
  };
  for (const Case& c : {Case{MAXCOL - 3, true}, Case{MAXCOL - 2, false}}) {
    SCOPED_TRACE(c.ncol);
    ResultColumns columns;
    columns.ncol = c.ncol;
    if (c.fits) {
      EXPECT_EQ(add_value_columns(columns, 3), static_cast<std::size_t>(c.ncol));
      EXPECT_EQ(columns.ncol, MAXCOL);
    } else {
      EXPECT_THROW(add_value_columns(columns, 3), InternalError);
      EXPECT_EQ(columns.ncol, c.ncol);
    }
  }
}

}  // namespace
}  // namespace tf
