#include "game/genome_data.h"

#include <gtest/gtest.h>

#include <string>

#include "state/fixed_data.h"
#include "support/dialogue.h"
#include "text/fatal.h"

namespace tf {
namespace {

using test::TempDir;

TEST(TraitScale, PlotErrorVariances) {
  const auto ve = plot_error_variances();
  EXPECT_EQ(ve[0], 241.97669653443972);
  EXPECT_EQ(ve[1], 0.75);
  EXPECT_EQ(ve[2], 53.999998658895514);
}

TEST(TraitScale, RescalingOfRawValues) {
  std::vector<TraitValues> g = {{0.0, 0.0, 0.0}, {ZMEAN[0], ZMEAN[1], ZMEAN[2]}};
  rescale(g);
  EXPECT_EQ(g[0][0], 94.4966107544222);
  EXPECT_EQ(g[0][1], 13.007867083512846);
  EXPECT_EQ(g[0][2], 10.995259684522287);
  EXPECT_EQ(g[1][0], 95.0);
  EXPECT_EQ(g[1][1], 13.0);
  EXPECT_EQ(g[1][2], 11.0);
}

// A locus table of NLOCI rows: QTL 1..400, then markers 1..512, on one chromosome.
std::string locus_file(const std::string& line_end = "\n") {
  std::string s;
  for (int i = 0; i < NLOCI; ++i) {
    const int code = i < NQTL ? i + 1 : -(i - NQTL + 1);
    s += std::to_string(code) + "," + std::to_string(1 + i / 100) + "," + std::to_string(i * 3) +
         line_end;
  }
  return s;
}

TEST(GenomeData, LocusMapWithCrLfAndExtraValues) {
  TempDir dir;
  std::string text = locus_file("\r\n");
  text.insert(text.find("\r\n"), ",99,98");  // a fourth and fifth value on line 1 are ignored
  dir.write("zForbidden.csv", "\n" + text);  // an empty line is passed over
  FileChannel files(dir.path());
  LocusMap locmap(NLOCI);
  load_locus_map(files, locmap);
  EXPECT_EQ(locmap[0].code, 1);
  EXPECT_EQ(locmap[0].chromosome, 1);
  EXPECT_EQ(locmap[0].position, 0);
  EXPECT_EQ(locmap[NLOCI - 1].code, -NMRK);
  EXPECT_EQ(locmap[NLOCI - 1].chromosome, 10);
  EXPECT_EQ(locmap[NLOCI - 1].position, (NLOCI - 1) * 3);
  EXPECT_FALSE(files.is_open());
}

TEST(GenomeData, ParentGroupsOnOneLineOrSpreadOverSeveral) {
  std::string one_line;
  std::string spread;
  for (int p = 0; p < NPAR; ++p) {
    for (int i = 0; i < NLOCI; ++i) {
      const std::string code = std::to_string(1 + (p + i) % 2);
      one_line += code + (i + 1 < NLOCI ? "," : "");
      spread += code + ((i + 1) % 100 == 0 || i + 1 == NLOCI ? "\n" : ", ");
    }
    one_line += ",1,2,2\n";  // values after the 912th are ignored
  }
  TempDir dir;
  ParentGenotypes a(NPAR);
  ParentGenotypes b(NPAR);
  dir.write("zHandsOff.csv", one_line);
  FileChannel files(dir.path());
  load_parent_genotypes(files, a);
  dir.write("zHandsOff.csv", spread);
  load_parent_genotypes(files, b);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a[0][0], 1);
  EXPECT_EQ(a[0][1], 2);
  EXPECT_EQ(a[1][0], 2);
}

TEST(GenomeData, MarkerEffectsAsReals) {
  std::string text;
  for (int i = 0; i < NCOEF; ++i) text += "0.5,-1.25E-1,3D0\n";
  text.replace(0, text.find('\n'), "1.5, 2 ,  -7.25e2");
  TempDir dir;
  dir.write("zKeepOut.csv", text);
  FileChannel files(dir.path());
  MarkerEffects mrkeff(NCOEF);
  load_marker_effects(files, mrkeff);
  EXPECT_EQ(mrkeff[0], (TraitValues{1.5, 2.0, -725.0}));
  EXPECT_EQ(mrkeff[NCOEF - 1], (TraitValues{0.5, -0.125, 3.0}));
}

TEST(GenomeData, FaultsEndTheRunWithTheFatalReport) {
  struct Case {
    const char* name;
    const char* file;
    std::string contents;
    std::string message;
  };
  std::string short_file = locus_file();
  short_file.resize(short_file.rfind('\n', short_file.size() - 2) + 1);  // one record short
  std::string bad_code = locus_file();
  bad_code.replace(0, 1, "401");
  std::string marker_code = locus_file();
  marker_code.replace(0, 1, "-513");
  std::string zero_code = locus_file();
  zero_code.replace(0, 1, "0");
  std::string letter = locus_file();
  letter.replace(0, 1, "Q");
  std::string allele;
  for (int p = 0; p < NPAR; ++p) {
    for (int i = 0; i < NLOCI; ++i) allele += (p == 3 && i == 500) ? "3," : "1,";
    allele += "\n";
  }
  const Case cases[] = {
      {"a missing file is not created", "zForbidden.csv", "", "No such file or directory"},
      {"one record short", "zForbidden.csv", short_file, "Attempt to read past end of file"},
      {"QTL code above 400", "zForbidden.csv", bad_code,
       "Locus code out of range in zForbidden.csv"},
      {"marker code below -512", "zForbidden.csv", marker_code,
       "Locus code out of range in zForbidden.csv"},
      {"code 0", "zForbidden.csv", zero_code, "Locus code out of range in zForbidden.csv"},
      {"a letter", "zForbidden.csv", letter, "Illegal character in numeric input"},
      {"allele code 3", "zHandsOff.csv", allele, "Allele code other than 1 or 2 in zHandsOff.csv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    if (!c.contents.empty()) dir.write(c.file, c.contents);
    FileChannel files(dir.path());
    LocusMap locmap(NLOCI);
    ParentGenotypes pargeno(NPAR);
    try {
      if (std::string(c.file) == "zForbidden.csv") {
        load_locus_map(files, locmap);
      } else {
        load_parent_genotypes(files, pargeno);
      }
      ADD_FAILURE() << "no fatal report";
    } catch (const FatalIoError& e) {
      EXPECT_EQ(e.message(), c.message);
    }
    EXPECT_EQ(std::filesystem::exists(dir.path() / c.file), !c.contents.empty());
  }
}

}  // namespace
}  // namespace tf
