// The shipped genome data files: the layouts and content rules the game
// relies on, and the calibration figures recomputed from the files with the
// game's effect table, meiosis, selfing and evaluation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "game/genome_data.h"
#include "game/release.h"
#include "genetics/effects.h"
#include "genetics/evaluation.h"
#include "genetics/meiosis.h"
#include "state/fixed_data.h"

namespace tf {
namespace {

using Records = std::vector<std::vector<std::string>>;

// The fields of every line of a data file, split at commas and blanks
// (carriage returns dropped; empty lines kept as records without fields).
Records read_records(const std::string& name) {
  std::ifstream in(std::string(TF_DATA_DIR) + "/" + name, std::ios::binary);
  Records records;
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::string field;
    for (const char ch : line + ",") {
      if (ch == ',' || ch == ' ' || ch == '\r') {
        if (!field.empty()) fields.push_back(field);
        field.clear();
      } else {
        field += ch;
      }
    }
    records.push_back(fields);
  }
  return records;
}

bool parse_int(const std::string& text, std::int32_t& value) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < -2147483647L || v > 2147483647L) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

bool parse_real(const std::string& text, double& value) {
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0' && std::isfinite(value);
}

// The three files as the game's tables, with what did not parse.
struct ShippedGenome {
  LocusMap locmap = LocusMap(NLOCI);
  ParentGenotypes pargeno = ParentGenotypes(NPAR);
  MarkerEffects mrkeff = MarkerEffects(NCOEF);
  std::vector<std::string> faults;
};

const ShippedGenome& shipped() {
  static const ShippedGenome genome = [] {
    ShippedGenome g;
    const auto fault = [&g](const std::string& file, std::size_t line, const std::string& what) {
      g.faults.push_back(file + " line " + std::to_string(line + 1) + ": " + what);
    };
    const Records loci = read_records("zForbidden.csv");
    if (loci.size() != NLOCI) fault("zForbidden.csv", loci.size(), "not 912 lines");
    for (std::size_t i = 0; i < std::min<std::size_t>(loci.size(), NLOCI); ++i) {
      std::int32_t v[3] = {};
      if (loci[i].size() != 3 || !parse_int(loci[i][0], v[0]) || !parse_int(loci[i][1], v[1]) ||
          !parse_int(loci[i][2], v[2])) {
        fault("zForbidden.csv", i, "not three integers");
        continue;
      }
      g.locmap[i] = {v[0], v[1], v[2]};
    }
    const Records parents = read_records("zHandsOff.csv");
    if (parents.size() != NPAR) fault("zHandsOff.csv", parents.size(), "not 15 lines");
    for (std::size_t p = 0; p < std::min<std::size_t>(parents.size(), NPAR); ++p) {
      if (parents[p].size() != NLOCI) fault("zHandsOff.csv", p, "not 912 values");
      for (std::size_t i = 0; i < std::min<std::size_t>(parents[p].size(), NLOCI); ++i)
        if (!parse_int(parents[p][i], g.pargeno[p][i])) fault("zHandsOff.csv", p, "not integers");
    }
    const Records effects = read_records("zKeepOut.csv");
    if (effects.size() != NCOEF) fault("zKeepOut.csv", effects.size(), "not 513 lines");
    for (std::size_t m = 0; m < std::min<std::size_t>(effects.size(), NCOEF); ++m) {
      if (effects[m].size() != 3 || !parse_real(effects[m][0], g.mrkeff[m][0]) ||
          !parse_real(effects[m][1], g.mrkeff[m][1]) || !parse_real(effects[m][2], g.mrkeff[m][2]))
        fault("zKeepOut.csv", m, "not three finite reals");
    }
    return g;
  }();
  return genome;
}

TEST(ShippedDataFiles, HaveTheLayoutsTheGameReads) {
  for (const std::string& fault : shipped().faults) ADD_FAILURE() << fault;
}

TEST(ShippedLocusTable, CarriesEveryQtlAndMarkerExactlyOnce) {
  std::multiset<std::int32_t> codes;
  for (const LocusRow& row : shipped().locmap) codes.insert(row.code);
  for (std::int32_t q = 1; q <= NQTL; ++q) EXPECT_EQ(codes.count(q), 1U) << "QTL " << q;
  for (std::int32_t m = 1; m <= NMRK; ++m) EXPECT_EQ(codes.count(-m), 1U) << "marker " << m;
}

TEST(ShippedLocusTable, LaysOutTheChromosomesOfASmallGrainCereal) {
  const LocusMap& locmap = shipped().locmap;
  ASSERT_EQ(locmap.front().chromosome, 1);
  std::size_t i = 0;
  int chromosomes = 0;
  while (i < locmap.size()) {
    const std::int32_t c = locmap[i].chromosome;
    SCOPED_TRACE("chromosome " + std::to_string(c));
    EXPECT_EQ(c, chromosomes + 1) << "chromosomes numbered 1, 2, ... in order";
    ++chromosomes;
    const std::int32_t first = locmap[i].position;
    EXPECT_GE(first, 0);
    int qtl = 0, markers = 0;
    std::int32_t last = first;
    for (; i < locmap.size() && locmap[i].chromosome == c; ++i) {
      EXPECT_GE(locmap[i].position, last) << "row " << i + 1;
      last = locmap[i].position;
      (locmap[i].code > 0 ? qtl : markers) += 1;
    }
    // Positions are tenths of a centimorgan.
    EXPECT_GE(last - first, 1000);
    EXPECT_LE(last - first, 2500);
    EXPECT_GE(qtl, 20);
    EXPECT_GE(markers, 20);
  }
  EXPECT_GE(chromosomes, 7);
  EXPECT_LE(chromosomes, 21);
}

TEST(ShippedLocusTable, GivesTheMajorGeneTheTripledFhbEffect) {
  const LocusMap& locmap = shipped().locmap;
  std::size_t major = locmap.size();
  for (std::size_t i = 0; i < locmap.size(); ++i)
    if (locmap[i].code == MAJORQTL) major = i;
  ASSERT_LT(major, locmap.size());
  for (std::size_t i = 0; i < major; ++i) {
    const std::int32_t q = locmap[i].code;
    EXPECT_FALSE(q >= 270 && q % 5 == 3) << "Fhb QTL " << q << " stands before QTL 303";
  }
  QtlEffectTable qtleff(NQTL);
  geneffects(locmap, qtleff);
  // The cells hold single-precision effects widened to double.
  const QtlEffect& major_gene = qtleff[MAJORQTL - 1];
  EXPECT_FLOAT_EQ(static_cast<float>(major_gene[0][2]), -2.8536584F);  // allele 1 resists
  EXPECT_FLOAT_EQ(static_cast<float>(major_gene[1][2]), 2.8536584F);
}

TEST(ShippedParents, CarryCodesOneOrTwoAndTheMajorGeneAsCarrierSays) {
  const ShippedGenome& g = shipped();
  std::size_t major = 0;
  for (std::size_t i = 0; i < g.locmap.size(); ++i)
    if (g.locmap[i].code == MAJORQTL) major = i;
  for (int p = 0; p < NPAR; ++p) {
    SCOPED_TRACE("parent " + std::to_string(p + 1));
    const auto& codes = g.pargeno[static_cast<std::size_t>(p)];
    EXPECT_TRUE(
        std::all_of(codes.begin(), codes.end(), [](std::int32_t a) { return a == 1 || a == 2; }));
    EXPECT_EQ(codes[major], CARRIER[static_cast<std::size_t>(p)] == 1 ? 1 : 2);
  }
}

TEST(ShippedParents, DifferSoThatEveryCrossSegregates) {
  const ShippedGenome& g = shipped();
  for (int p1 = 0; p1 < NPAR; ++p1)
    for (int p2 = p1 + 1; p2 < NPAR; ++p2) {
      int qtl = 0, markers = 0;
      for (int i = 0; i < NLOCI; ++i) {
        const auto row = static_cast<std::size_t>(i);
        if (g.pargeno[static_cast<std::size_t>(p1)][row] ==
            g.pargeno[static_cast<std::size_t>(p2)][row])
          continue;
        (g.locmap[row].code > 0 ? qtl : markers) += 1;
      }
      EXPECT_GE(qtl, 40) << "parents " << p1 + 1 << " and " << p2 + 1;
      EXPECT_GE(markers, 50) << "parents " << p1 + 1 << " and " << p2 + 1;
    }
}

// Trait-scale genotypic values and predictions of inbred lines of every cross
// of two parents, made as the game makes them: the F1, an F2 plant from two
// meioses, single-seed descent.
struct Line {
  int cross;
  TraitValues raw;
  TraitValues g_ri;
  TraitValues pred_ri;
};

std::vector<Line> lines_of_all_crosses(const ShippedGenome& g, int lines_per_cross) {
  QtlEffectTable qtleff(NQTL);
  geneffects(g.locmap, qtleff);
  const RecombinationMap map(g.locmap);
  RandomStream stream;
  stream.idum = -7;
  PlantGeno f1, plant;
  Gamete gamete;
  std::vector<Line> lines;
  int cross = 0;
  for (int p1 = 0; p1 < NPAR; ++p1)
    for (int p2 = p1 + 1; p2 < NPAR; ++p2, ++cross) {
      f1.chromatid[0] = g.pargeno[static_cast<std::size_t>(p1)];
      f1.chromatid[1] = g.pargeno[static_cast<std::size_t>(p2)];
      for (int k = 0; k < lines_per_cross; ++k) {
        meiosis(f1, map, gamete, stream);
        plant.chromatid[0] = gamete;
        meiosis(f1, map, gamete, stream);
        plant.chromatid[1] = gamete;
        selfing(plant, map, stream);
        Line l{cross,
               genotypic_values(plant, g.locmap, qtleff),
               {},
               prediction(plant, g.locmap, g.mrkeff)};
        for (const Trait trait : kTraits) {
          l.g_ri[index_of(trait)] = to_trait_scale(l.raw[index_of(trait)], trait);
        }
        lines.push_back(l);
      }
    }
  return lines;
}

template <typename Get>
std::vector<double> column(const std::vector<Line>& lines, Get get) {
  std::vector<double> x;
  for (const Line& l : lines) x.push_back(get(l));
  return x;
}

double mean(const std::vector<double>& x) {
  double s = 0.0;
  for (const double v : x) s += v;
  return s / static_cast<double>(x.size());
}

double sd(const std::vector<double>& x) {
  const double m = mean(x);
  double s = 0.0;
  for (const double v : x) s += (v - m) * (v - m);
  return std::sqrt(s / static_cast<double>(x.size() - 1));
}

double correlation(const std::vector<double>& x, const std::vector<double>& y) {
  const double mx = mean(x), my = mean(y);
  double sxy = 0.0, sxx = 0.0, syy = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    sxy += (x[i] - mx) * (y[i] - my);
    sxx += (x[i] - mx) * (x[i] - mx);
    syy += (y[i] - my) * (y[i] - my);
  }
  return sxy / std::sqrt(sxx * syy);
}

// Crosses of which 1 % or more of the lines meet both release standards.
int winnable_crosses(const std::vector<Line>& lines, int crosses) {
  std::vector<int> total(static_cast<std::size_t>(crosses), 0), winners(total);
  for (const Line& l : lines) {
    ++total[static_cast<std::size_t>(l.cross)];
    if (meets_standards(l.g_ri)) ++winners[static_cast<std::size_t>(l.cross)];
  }
  int winnable = 0;
  for (std::size_t c = 0; c < total.size(); ++c)
    if (100 * winners[c] >= total[c]) ++winnable;
  return winnable;
}

// One sample serves every figure: making it is the test's cost.
TEST(ShippedCalibration, FiguresLieWithinTheirBounds) {
  const ShippedGenome& g = shipped();
  ASSERT_TRUE(g.faults.empty()) << "the data files do not load";
  constexpr int kCrosses = NPAR * (NPAR - 1) / 2;
  const std::vector<Line> lines = lines_of_all_crosses(g, 400);
  const char* const kTraitName[NTRAIT] = {"yield", "protein", "Fhb"};
  for (int t = 0; t < NTRAIT; ++t) {
    SCOPED_TRACE(kTraitName[t]);
    const auto k = static_cast<std::size_t>(t);
    const std::vector<double> raw = column(lines, [k](const Line& l) { return l.raw[k]; });
    const std::vector<double> g_ri = column(lines, [k](const Line& l) { return l.g_ri[k]; });
    const std::vector<double> pred = column(lines, [k](const Line& l) { return l.pred_ri[k]; });
    // The trait scale's constants describe the raw values of these lines.
    EXPECT_NEAR(mean(raw), ZMEAN[k], 0.5 * ZSG[k]);
    EXPECT_NEAR(sd(raw), ZSG[k], 0.25 * ZSG[k]);
    // Predictions worth paying for, but no substitute for a trial.
    const double r = correlation(pred, g_ri);
    EXPECT_GE(r, 0.5);
    EXPECT_LE(r, 0.85);
    // The game never rescales predictions: the intercepts put them on the
    // trait scale.
    EXPECT_NEAR(mean(pred), mean(g_ri), 0.25 * SG[k]);
    EXPECT_LT(sd(pred), sd(g_ri));
  }
  // A game that can be won, but not from any cross.
  const int winnable = winnable_crosses(lines, kCrosses);
  EXPECT_GE(winnable, 3);
  EXPECT_LE(winnable, 35);
}

}  // namespace
}  // namespace tf
