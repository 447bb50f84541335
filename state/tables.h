// The game's tables and state, all owned by the main program for the whole
// run and handed by reference to the procedures that read or fill them.
//
// Entries are stored 0-based: the entry whose ID is e lives at index_of(e) of
// every entry table. Crosses likewise: cross c at index_of(c).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "genetics/geno.h"
#include "genetics/genome.h"
#include "genetics/ran2.h"

namespace tf {

// The tables' fixed sizes.
constexpr int MAXCROSSSIZE = 2000;            // F2 plants per cross
constexpr int NFIXEDCOL = 3;                  // the ID and the two parents of an entry
constexpr int MAXCOL = 12;                    // value columns of the results table
constexpr int NCOLHEAD = NFIXEDCOL + MAXCOL;  // a name per fixed and per value column

// The width in characters of a column name (COLHEAD, TRAITNAME, HEADER), of
// a header cell of Results.csv and of a value in its rows.
constexpr int COLWIDTH = 12;

// COLHEAD(1..3), the names of the fixed columns.
constexpr std::array<std::string_view, NFIXEDCOL> FIXEDCOLHEAD = {"Line_ID", "Parent_1",
                                                                  "Parent_2"};

// The cross tables, created once the records of Crosses.csv are counted.
struct CrossTables {
  std::vector<std::int32_t> crosssize;                // CROSSSIZE: F2 plants asked for
  std::vector<std::array<std::int32_t, 2>> crosspar;  // CROSSPAR: parent 1 and parent 2
  // Created with `ncross` rows, every cell 0; may throw bad_alloc.
  void create(std::size_t ncross);
  std::size_t ncross() const { return crosssize.size(); }
};

// The fixed genome tables, created with the cross tables.
struct GenomeTables {
  LocusMap locmap;          // LOCMAP, NLOCI rows
  ParentGenotypes pargeno;  // PARGENO, NPAR rows
  QtlEffectTable qtleff;    // QTLEFF, NQTL rows
  MarkerEffects mrkeff;     // MRKEFF, NCOEF rows
  void create();
};

// The entry table: one row per entry, created once the crosses are accepted.
struct EntryTable {
  std::vector<double> errmean;                        // ERRMEAN: work table of the trials
  std::vector<std::int32_t> id;                       // ID(e) = e
  GenoTable geno;                                     // GENO: F2 plant, after task 3 the line
  std::vector<std::int32_t> fhbstat_f2;               // FHBSTAT_F2: 2, 1 or 0
  std::vector<std::int32_t> fhbstat_ri;               // FHBSTAT_RI: 2 or 0
  std::vector<TraitValues> pred_f2;                   // PRED_F2, trait units
  std::vector<TraitValues> pred_ri;                   // PRED_RI, trait units
  std::vector<TraitValues> g_ri;                      // G_RI, trait scale after task 3
  std::vector<std::array<std::int32_t, 2>> plantpar;  // PLANTPAR
  std::vector<std::int32_t> keep;                     // KEEP: only 1 means kept
  std::vector<std::array<double, MAXCOL>> pheno;      // PHENO: value columns

  // Created with `nplant` rows, every cell 0; may throw bad_alloc.
  void create(std::size_t nplant);
  std::size_t nplant() const { return id.size(); }
};

// The value columns' headings: names, locations and LSDs.
struct ResultColumns {
  std::int32_t ncol = 0;                        // NCOL: value columns in use, 0..MAXCOL
  std::array<std::string, NCOLHEAD> colhead;    // COLHEAD, each COLWIDTH characters
  std::array<std::int32_t, MAXCOL> nlocs = {};  // NLOCS, 0 for a prediction column
  std::array<float, MAXCOL> lsd = {};           // LSD(10%), 0.0 for a prediction column
  ResultColumns();
};

// Appends `count` value columns to the results table after the NCOL in use
// and returns the index of the first; the caller fills their PHENO cells and
// heads. When they would pass MAXCOL, throws InternalError before anything
// changes.
std::size_t add_value_columns(ResultColumns& columns, std::size_t count);

// The head of value column `c`: its name in COLHEAD (set in COLWIDTH characters),
// NLOCS and LSD(10%), both 0 for a prediction column.
void set_column_head(ResultColumns& columns, std::size_t c, std::string_view name,
                     std::int32_t nlocs = 0, float lsd = 0.0F);

// The task codes, as the player types them at the menu. Unscoped, so that
// TASK, an int32 into which the menu reads any integer answered, compares
// with them as it is; written TaskCode::k... all the same. Codes 0..5 also
// index COST, each the price of one unit of its task: 0 is the start charge
// of the crosses, which no menu offers; a trial of all three traits pays the
// plots of both the yield-and-protein and the Fhb trial.
enum TaskCode : std::int32_t {
  kStartCharge = 0,
  kMarkerScreening = 1,
  kGenomewidePredictions = 2,
  kInbredLines = 3,
  kYieldProteinTrial = 4,
  kFhbTrial = 5,
  kThreeTraitTrial = 6,
  kRelease = 99,
};

// STAGE: what the entries are, F2 plants until task 3 has made them inbred lines.
enum class Stage : std::int32_t { kF2 = 0, kLine = 1 };

// The game state: scalars of the main program.
struct GameState {
  float balance = 250000.0F;  // BALANCE, dollars
  RandomStream stream;        // IDUM and the rest of the stream's state
  std::int32_t errflag = 0;   // ERRFLAG: 1 when the crosses are rejected
  std::int32_t task = 0;      // TASK: the code last chosen; the menu reads the answer into it
  Stage stage = Stage::kF2;   // STAGE
  std::int32_t year = 1;      // YEAR: the next trial year, 4 after three trials
  std::int32_t fhbdone = 0;
  std::int32_t gwsf2done = 0;
  std::int32_t gwsridone = 0;
  std::int32_t phenodone = 0;
  std::int32_t overflag = 0;  // OVERFLAG: 0 charged, 1 refused
  std::int32_t nkept = 0;
  std::int32_t nscreen = 0;
  std::int32_t lineid = 0;
};

}  // namespace tf
