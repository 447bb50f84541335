// The populations, given the game's hooks (game/populations.h): the lines
// they print, and where those stand among the draws, show when f2plant and
// rilines call their hooks.
#include "genetics/population.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "game/populations.h"
#include "genetics/effects.h"
#include "genetics/evaluation.h"
#include "genetics/meiosis.h"
#include "test_genome.h"
#include "text/internal_error.h"

namespace tf {
namespace {

using fixture::advanced;
using fixture::same_state;
using fixture::seeded;

using Parents = std::array<std::int32_t, 2>;

// Console output that notes the state of the random stream as each line ends.
class LineStates : public std::streambuf {
 public:
  explicit LineStates(const RandomStream& stream) : stream_(stream) {}
  std::vector<std::pair<std::string, RandomStream>> lines;

 protected:
  int_type overflow(int_type c) override {
    if (c == '\n') {
      lines.emplace_back(current_, stream_);
      current_.clear();
    } else {
      current_ += static_cast<char>(c);
    }
    return c;
  }

 private:
  const RandomStream& stream_;
  std::string current_;
};

class Population : public testing::Test {
 protected:
  Population()
      : locmap_(fixture::random_locus_map(101)),
        qtleff_(NQTL),
        pargeno_(fixture::random_parents(102)),
        mrkeff_(fixture::random_marker_effects(103)),
        model_{locmap_, qtleff_, pargeno_, mrkeff_},
        con_(in_, out_) {
    geneffects(locmap_, qtleff_);
    // Parent 1 resists at the major gene, parent 2 does not.
    for (std::size_t i = 0; i < locmap_.size(); ++i) {
      if (locmap_[i].code == MAJORQTL) {
        pargeno_[0][i] = 1;
        pargeno_[1][i] = 2;
      }
    }
  }

  struct F2 {
    GenoTable geno;
    std::vector<Parents> plantpar;
    std::vector<std::int32_t> fhbstat;
    std::vector<TraitValues> pred;
    explicit F2(std::size_t n) : geno(n), plantpar(n), fhbstat(n), pred(n) {}
  };

  F2 make_f2(const std::vector<Parents>& crosspar, const std::vector<std::int32_t>& sizes,
             RandomStream& stream, Console& con) {
    std::size_t n = 0;
    for (const std::int32_t s : sizes) n += static_cast<std::size_t>(std::max(s, 0));
    F2 f2(n);
    f2plant(model_, crosspar, sizes, stream, f2.geno, f2.plantpar, f2.fhbstat, f2.pred,
            cross_lines(con));
    return f2;
  }
  F2 make_f2(const std::vector<Parents>& crosspar, const std::vector<std::int32_t>& sizes,
             RandomStream& stream) {
    return make_f2(crosspar, sizes, stream, con_);
  }

  PlantGeno parent_plant(std::int32_t p1, std::int32_t p2) const {
    PlantGeno plant;
    plant.chromatid[0] = pargeno_[static_cast<std::size_t>(p1) - 1];
    plant.chromatid[1] = pargeno_[static_cast<std::size_t>(p2) - 1];
    return plant;
  }

  LocusMap locmap_;
  QtlEffectTable qtleff_;
  ParentGenotypes pargeno_;
  MarkerEffects mrkeff_;
  GenomeModel model_;
  std::istringstream in_;
  std::ostringstream out_;
  Console con_;
};

TEST_F(Population, NoCrossesPrintNothingAndDrawNothing) {
  RandomStream stream = seeded(-12);
  const F2 f2 = make_f2({}, {}, stream);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(f2.geno.size(), 0U);
  EXPECT_TRUE(same_state(stream, seeded(-12)));
}

TEST_F(Population, EachCrossPrintsItsLineAndMakesItsPlants) {
  RandomStream stream = seeded(-12);
  const F2 f2 = make_f2({{1, 2}, {15, 4}, {10, 11}}, {3, 0, 2}, stream);
  EXPECT_EQ(out_.str(),
            "    Cross   1: Line  1 x Line  2\n"
            "    Cross   2: Line 15 x Line  4\n"
            "    Cross   3: Line 10 x Line 11\n");
  const std::vector<Parents> plantpar = {{1, 2}, {1, 2}, {1, 2}, {10, 11}, {10, 11}};
  EXPECT_EQ(f2.plantpar, plantpar);
  EXPECT_TRUE(same_state(stream, advanced(seeded(-12), 5 * 2 * NLOCI)));
}

TEST_F(Population, CrossLineComesBeforeTheCrossDraws) {
  RandomStream stream = seeded(-12);
  LineStates states(stream);
  std::ostream out(&states);
  Console con(in_, out);
  make_f2({{1, 2}, {3, 4}, {5, 6}}, {2, 0, 3}, stream, con);
  ASSERT_EQ(states.lines.size(), 3U);
  EXPECT_TRUE(same_state(states.lines[0].second, seeded(-12)));
  const RandomStream after_cross1 = advanced(seeded(-12), 2 * 2 * NLOCI);
  EXPECT_TRUE(same_state(states.lines[1].second, after_cross1));
  EXPECT_TRUE(same_state(states.lines[2].second, after_cross1));
}

TEST_F(Population, PlantsAreTwoMeiosesOfTheF1) {
  const std::vector<Parents> crosses = {{3, 7}, {2, 1}};
  RandomStream stream = seeded(-55);
  const F2 f2 = make_f2(crosses, {4, 5}, stream);

  const RecombinationMap map(locmap_);
  RandomStream reference = seeded(-55);
  std::size_t e = 0;
  for (const Parents& p : crosses) {
    const PlantGeno f1 = parent_plant(p[0], p[1]);
    for (int n = 0; n < (p[0] == 3 ? 4 : 5); ++n, ++e) {
      SCOPED_TRACE(e);
      PlantGeno plant;
      meiosis(f1, map, plant.chromatid[0], reference);
      meiosis(f1, map, plant.chromatid[1], reference);
      EXPECT_EQ(fixture::read_codes(f2.geno, e).chromatid, plant.chromatid);
      EXPECT_EQ(f2.fhbstat[e], fhb_status(plant, locmap_));
      EXPECT_EQ(f2.pred[e], prediction(plant, locmap_, mrkeff_));
    }
  }
  EXPECT_TRUE(same_state(stream, reference));
}

TEST_F(Population, SelfCrossGivesTheParentLine) {
  RandomStream stream = seeded(-3);
  const F2 f2 = make_f2({{1, 1}, {2, 2}}, {3, 3}, stream);
  for (std::size_t e = 0; e < 6; ++e) {
    SCOPED_TRACE(e);
    const std::int32_t p = e < 3 ? 1 : 2;
    EXPECT_EQ(fixture::read_codes(f2.geno, e).chromatid, parent_plant(p, p).chromatid);
    EXPECT_EQ(f2.fhbstat[e], p == 1 ? 2 : 0);
  }
  EXPECT_TRUE(same_state(stream, advanced(seeded(-3), 6 * 2 * NLOCI)));
}

TEST_F(Population, CrossesOutsideTheTablesAreRefusedBeforeAnyLine) {
  struct Case {
    std::vector<Parents> crosspar;
    std::vector<std::int32_t> sizes;
    std::size_t entries;
  };
  const Case cases[] = {
      {{{1, 2}, {0, 3}}, {1, 1}, 2},  // parent 0
      {{{1, 16}}, {1}, 1},            // parent 16
      {{{1, 2}, {3, 4}}, {2, 2}, 3},  // more plants than entries
      {{{1, 2}}, {1, 1}, 2},          // cross tables of unequal length
  };
  for (const Case& c : cases) {
    F2 f2(c.entries);
    RandomStream stream = seeded(-1);
    EXPECT_THROW(f2plant(model_, c.crosspar, c.sizes, stream, f2.geno, f2.plantpar, f2.fhbstat,
                         f2.pred, cross_lines(con_)),
                 InternalError);
    EXPECT_EQ(out_.str(), "");
    EXPECT_TRUE(same_state(stream, seeded(-1)));
  }
}

TEST_F(Population, NegativeCrossSizeMakesNoPlant) {
  F2 f2(2);
  f2.pred[1] = {5, 5, 5};
  f2.fhbstat[1] = 2;
  RandomStream stream = seeded(-1);
  f2plant(model_, {{1, 2}, {3, 4}}, {-4, 1}, stream, f2.geno, f2.plantpar, f2.fhbstat, f2.pred,
          cross_lines(con_));
  EXPECT_EQ(out_.str(), "    Cross   1: Line  1 x Line  2\n    Cross   2: Line  3 x Line  4\n");
  EXPECT_EQ(f2.plantpar[0], (Parents{3, 4}));
  // The entry no cross reached keeps the zeros set at the start.
  EXPECT_EQ(f2.pred[1], (TraitValues{}));
  EXPECT_EQ(f2.fhbstat[1], 0);
  EXPECT_TRUE(same_state(stream, advanced(seeded(-1), 2 * NLOCI)));
}

constexpr const char* kTaskThreeLines =
    "   \n"
    "  ---------------\n"
    "   \n"
    "  Developing homozygous lines\n"
    "  Please wait ...\n"
    "   \n";

TEST_F(Population, NoEntriesGiveOnlyTheSixLines) {
  GenoTable geno(0);
  std::vector<TraitValues> g_ri, pred_ri;
  std::vector<std::int32_t> fhbstat_ri;
  RandomStream stream = seeded(-9);
  rilines(model_, stream, geno, g_ri, pred_ri, fhbstat_ri, task3_lines(con_));
  EXPECT_EQ(out_.str(), kTaskThreeLines);
  EXPECT_TRUE(same_state(stream, seeded(-9)));
}

TEST_F(Population, LinesAreTheSelfedPlantsWithTheirValues) {
  RandomStream stream = seeded(-71);
  F2 f2 = make_f2({{1, 2}, {4, 9}}, {12, 4}, stream);
  ASSERT_NE(std::count(f2.fhbstat.begin(), f2.fhbstat.begin() + 12, 1), 0);
  const GenoTable before = f2.geno;
  const RandomStream start = stream;
  out_.str("");

  std::vector<TraitValues> g_ri(16), pred_ri(16);
  std::vector<std::int32_t> fhbstat_ri(16);
  rilines(model_, stream, f2.geno, g_ri, pred_ri, fhbstat_ri, task3_lines(con_));
  EXPECT_EQ(out_.str(), kTaskThreeLines);

  const RecombinationMap map(locmap_);
  RandomStream reference = start;
  for (std::size_t e = 0; e < 16; ++e) {
    SCOPED_TRACE(e);
    PlantGeno line = fixture::read_codes(before, e);
    selfing(line, map, reference);
    const PlantGeno stored = fixture::read_codes(f2.geno, e);
    EXPECT_EQ(stored.chromatid, line.chromatid);
    EXPECT_EQ(stored.chromatid[0], stored.chromatid[1]);
    EXPECT_EQ(g_ri[e], genotypic_values(line, locmap_, qtleff_));
    EXPECT_EQ(pred_ri[e], prediction(line, locmap_, mrkeff_));
    EXPECT_EQ(fhbstat_ri[e], fhb_status(line, locmap_));
    EXPECT_TRUE(fhbstat_ri[e] == 0 || fhbstat_ri[e] == 2);
  }
  EXPECT_TRUE(same_state(stream, reference));
  EXPECT_TRUE(same_state(stream, advanced(start, 16 * 10 * NLOCI)));
}

TEST_F(Population, HomozygousPlantGivesTheSameLine) {
  GenoTable geno(2);
  fixture::write_codes(geno, 0, parent_plant(5, 5));
  fixture::write_codes(geno, 1, parent_plant(1, 1));
  std::vector<TraitValues> g_ri(2), pred_ri(2);
  std::vector<std::int32_t> fhbstat_ri(2);
  RandomStream stream = seeded(-4);
  rilines(model_, stream, geno, g_ri, pred_ri, fhbstat_ri, task3_lines(con_));
  EXPECT_EQ(fixture::read_codes(geno, 0).chromatid, parent_plant(5, 5).chromatid);
  EXPECT_EQ(fixture::read_codes(geno, 1).chromatid, parent_plant(1, 1).chromatid);
  EXPECT_EQ(fhbstat_ri[1], 2);
  EXPECT_EQ(g_ri[1], genotypic_values(parent_plant(1, 1), locmap_, qtleff_));
}

TEST_F(Population, LineTablesOfUnequalLengthAreRefused) {
  GenoTable geno(2);
  std::vector<TraitValues> g_ri(2), pred_ri(1);
  std::vector<std::int32_t> fhbstat_ri(2);
  RandomStream stream = seeded(-4);
  EXPECT_THROW(rilines(model_, stream, geno, g_ri, pred_ri, fhbstat_ri, task3_lines(con_)),
               InternalError);
  EXPECT_EQ(out_.str(), "");
}

}  // namespace
}  // namespace tf
