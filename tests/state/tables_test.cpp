#include "state/tables.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace tf {
namespace {

TEST(ValueColumns, AppendedAfterThoseInUseEachHeadingBeforeItsValues) {
  EntryTable entries;
  entries.create(2);
  entries.pheno[1][0] = 7.5;
  ResultColumns columns;
  columns.ncol = 1;
  std::string calls;
  add_value_columns(
      columns, entries, 2, "test",
      [&calls](std::size_t i) {
        calls += "h" + std::to_string(i) + " ";
        return i == 0 ? ColumnHead{"Yield_Y1", 4, 1.25F} : ColumnHead{"Fhb_Pred"};
      },
      [&calls](std::size_t i, std::size_t e) {
        calls += "v" + std::to_string(i) + std::to_string(e) + " ";
        return static_cast<double>(10 * i + e);
      });
  EXPECT_EQ(calls, "h0 v00 v01 h1 v10 v11 ");
  EXPECT_EQ(columns.ncol, 3);
  EXPECT_EQ(columns.colhead[4], "Yield_Y1    ");
  EXPECT_EQ(columns.colhead[5], "Fhb_Pred    ");
  EXPECT_EQ(columns.nlocs[1], 4);
  EXPECT_EQ(columns.lsd[1], 1.25F);
  EXPECT_EQ(columns.nlocs[2], 0);
  EXPECT_EQ(columns.lsd[2], 0.0F);
  EXPECT_EQ(entries.pheno[1][0], 7.5);
  EXPECT_EQ(entries.pheno[0][1], 0.0);
  EXPECT_EQ(entries.pheno[1][1], 1.0);
  EXPECT_EQ(entries.pheno[1][2], 11.0);
}

TEST(ValueColumns, NoRoomPastMaxcolChangesNothing) {
  struct Case {
    std::int32_t ncol;
    bool fits;
  };
  for (const Case& c : {Case{MAXCOL - 3, true}, Case{MAXCOL - 2, false}}) {
    SCOPED_TRACE(c.ncol);
    EntryTable entries;
    entries.create(1);
    ResultColumns columns;
    columns.ncol = c.ncol;
    int heads = 0;
    const auto add = [&] {
      add_value_columns(
          columns, entries, 3, "gwsri",
          [&heads](std::size_t) {
            ++heads;
            return ColumnHead{"Yield_Pred"};
          },
          [](std::size_t, std::size_t) { return 1.0; });
    };
    if (c.fits) {
      add();
      EXPECT_EQ(columns.ncol, MAXCOL);
      EXPECT_EQ(heads, 3);
    } else {
      try {
        add();
        ADD_FAILURE() << "no logic_error";
      } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "gwsri: no room for its value columns");
      }
      EXPECT_EQ(columns.ncol, c.ncol);
      EXPECT_EQ(heads, 0);
      EXPECT_EQ(columns.colhead[3 + static_cast<std::size_t>(c.ncol)], "");
    }
  }
}

}  // namespace
}  // namespace tf
