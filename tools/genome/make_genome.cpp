// make_genome: writes the game's genome data files, zForbidden.csv,
// zHandsOff.csv and zKeepOut.csv, from a fixed seed of the game's random
// stream, with the game's effect table, meiosis and evaluation, and prints the
// figures that calibrate them.
//
//   make_genome [--seed N] [DIR]
//
// DIR defaults to the repository's data/ folder; N to the shipped seed. The
// same seed writes the same files.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "genetics/effects.h"
#include "genetics/meiosis.h"
#include "state/fixed_data.h"
#include "tools/genome/calibration.h"
#include "tools/genome/genome_files.h"
#include "tools/genome/genome_layout.h"
#include "tools/genome/line_sampling.h"
#include "tools/genome/parent_lines.h"
#include "tools/genome/training.h"

#ifndef TF_DEFAULT_DATA_DIR
#define TF_DEFAULT_DATA_DIR "data"
#endif

namespace tf {
namespace {

constexpr std::int32_t kShippedSeed = -1;
constexpr int kLinesPerCross = 1000;  // calibration sample
constexpr int kAttempts = 10;         // parent sets tried before giving up

void print_layout(const LocusMap& locmap) {
  std::printf("Genome: %d chromosomes, %d loci (%d QTL, %d markers)\n", locmap.back().chromosome,
              NLOCI, NQTL, NMRK);
  std::size_t i = 0;
  while (i < locmap.size()) {
    const int c = locmap[i].chromosome;
    int qtl = 0, markers = 0, last = 0;
    for (; i < locmap.size() && locmap[i].chromosome == c; ++i) {
      (locmap[i].code > 0 ? qtl : markers) += 1;
      last = locmap[i].position;
    }
    std::printf("  chromosome %2d: %6.1f cM, %3d QTL, %3d markers\n", c, last / 10.0, qtl, markers);
  }
}

void print_figures(const Figures& f) {
  static const char* const kTrait[NTRAIT] = {"yield", "protein", "Fhb"};
  std::printf("  trait        mean   (ZMEAN)        sd     (ZSG)   r(PRED_RI, G_RI)\n");
  for (int t = 0; t < NTRAIT; ++t)
    std::printf("  %-8s %8.4f (%8.4f)  %8.4f  (%7.4f)   %.3f\n", kTrait[t], f.mean[t], ZMEAN[t],
                f.sd[t], ZSG[t], f.correlation[t]);
  std::printf(
      "  winnable crosses (1 %% or more of their lines meeting both standards): %d of %zu\n",
      f.winnable, f.winning_share.size());
  const std::vector<Cross> crosses = all_crosses();
  for (std::size_t c = 0; c < crosses.size(); ++c)
    if (f.winning_share[c] >= 0.005)
      std::printf("    %2d x %2d  %5.1f %%\n", crosses[c][0], crosses[c][1],
                  100.0 * f.winning_share[c]);
}

template <typename Data>
bool write_to(const std::string& path, void (*writer)(std::ostream&, const Data&),
              const Data& data) {
  std::ofstream out(path, std::ios::binary);
  writer(out, data);
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_genome: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

int run(std::int32_t seed, const std::string& dir) {
  RandomStream stream;
  stream.idum = seed;
  const LocusMap locmap = make_locus_map(stream);
  QtlEffectTable qtleff(NQTL);
  geneffects(locmap, qtleff);
  const RecombinationMap map(locmap);
  print_layout(locmap);

  const ParentDesign design = shipped_parent_design();
  const TrainingDesign training;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    const ParentGenotypes pargeno = make_parents(locmap, design, stream);
    TrainingReport report;
    const MarkerEffects mrkeff =
        as_written(train_marker_effects(locmap, qtleff, pargeno, map, training, stream, report));
    std::printf("Parent set %d: training population of %d lines, %d plots each;\n", attempt,
                report.lines, training.locations);
    std::printf("  ridge penalty %.1f (yield), %.1f (protein), %.1f (Fhb)\n", report.lambda[0],
                report.lambda[1], report.lambda[2]);
    const std::vector<LineValues> lines =
        sample_crosses(locmap, qtleff, pargeno, mrkeff, map, kLinesPerCross, stream);
    const Figures figures = compute_figures(lines, static_cast<int>(all_crosses().size()));
    std::printf("Raw genotypic values of %d inbred lines from each cross:\n", kLinesPerCross);
    print_figures(figures);
    const std::string failed = check_figures(figures);
    if (!failed.empty()) {
      std::printf("  out of bounds: %s- drawing another parent set\n", failed.c_str());
      continue;
    }
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const bool ok = write_to(dir + "/zForbidden.csv", write_locus_table, locmap) &&
                    write_to(dir + "/zHandsOff.csv", write_parents, pargeno) &&
                    write_to(dir + "/zKeepOut.csv", write_marker_effects, mrkeff);
    if (!ok) return 1;
    std::printf("Wrote zForbidden.csv, zHandsOff.csv and zKeepOut.csv to %s\n", dir.c_str());
    return 0;
  }
  std::fprintf(stderr, "make_genome: no parent set met the bounds in %d attempts\n", kAttempts);
  return 1;
}

}  // namespace
}  // namespace tf

int main(int argc, char** argv) {
  std::int32_t seed = tf::kShippedSeed;
  std::string dir = TF_DEFAULT_DATA_DIR;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      const long n = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || n == 0 || n < -2147483647L || n > 2147483647L) {
        std::fprintf(stderr, "make_genome: --seed takes a whole number other than 0\n");
        return 2;
      }
      seed = static_cast<std::int32_t>(n > 0 ? -n : n);  // a start of the stream
    } else if (!arg.empty() && arg[0] != '-') {
      dir = arg;
    } else {
      std::fprintf(stderr, "usage: make_genome [--seed N] [DIR]\n");
      return 2;
    }
  }
  return tf::run(seed, dir);
}
