#include "results/f2_table.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "results/results_table.h"
#include "text/text_format.h"

namespace tf {

namespace {

// The header row; its first cell names the ID column, which the read-back checks.
constexpr std::array<std::string_view, 6> HEADER = {"Plant_ID",   "Parent_1",     "Parent_2",
                                                    "Yield_Pred", "Protein_Pred", "Fhb_Pred"};
constexpr std::string_view kIdName = HEADER[0];

}  // namespace

void write_f2_table(Console& con, FileChannel& files, const EntryTable& entries) {
  std::string header;
  for (std::size_t i = 0; i < HEADER.size(); ++i) {
    if (i > 0) header += ',';
    header += text_field(HEADER[i], COLWIDTH);
  }
  header += '\n';

  open_results_for_write(con, files);
  files.write(header);
  for (std::size_t e = 0; e < entries.nplant(); ++e) {
    if (entries.keep[e] == 1) {
      files.write(entry_row(entries, e, entries.pred_f2[e].data(), entries.pred_f2[e].size()));
    }
  }
  files.close();
}

const ReadbackLayout& f2_readback() {
  using Kind = ConsoleItem::Kind;
  static const std::string says =
      " first column in the header row says \"" + std::string(kIdName) + '"';
  static const ReadbackLayout layout{
      {header_check(kIdName)},
      " - Do NOT change or delete the header row",
      {
          {Kind::kSpacer, {}},
          {Kind::kFree, " Header row has been changed; make sure the"},
          {Kind::kFree, says},
          {Kind::kSpacer, {}},
      },
      false,
      kIdName,
  };
  return layout;
}

}  // namespace tf
