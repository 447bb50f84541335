#include "game/populations.h"

#include <string>

#include "game/genome_data.h"
#include "text/text_format.h"

namespace tf {

namespace {

GenomeModel model_of(const GenomeTables& g) { return {g.locmap, g.qtleff, g.pargeno, g.mrkeff}; }

}  // namespace

CrossStart cross_lines(Console& con) {
  return [&con](std::size_t cross, const std::array<std::int32_t, 2>& parents) {
    con.formatted_line("    Cross " + int_field(number_of(cross), 3) + ": Line " +
                       int_field(parents[0], 2) + " x Line " + int_field(parents[1], 2));
  };
}

LinesStart task3_lines(Console& con) {
  return [&con] {
    con.section_opening();
    con.free_line(" Developing homozygous lines");
    con.free_line(" Please wait ...");
    con.spacer();
  };
}

void make_f2_plants(Console& con, const GenomeTables& genome, const CrossTables& crosses,
                    RandomStream& stream, EntryTable& entries) {
  f2plant(model_of(genome), crosses.crosspar, crosses.crosssize, stream, entries.geno,
          entries.plantpar, entries.fhbstat_f2, entries.pred_f2, cross_lines(con));
}

void make_inbred_lines(Console& con, const GenomeTables& genome, GameState& state,
                       EntryTable& entries) {
  rilines(model_of(genome), state.stream, entries.geno, entries.g_ri, entries.pred_ri,
          entries.fhbstat_ri, task3_lines(con));
  rescale(entries.g_ri);
  state.stage = Stage::kLine;
}

}  // namespace tf
