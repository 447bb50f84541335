#include "genetics/population.h"

#include <algorithm>

#include "genetics/evaluation.h"
#include "genetics/meiosis.h"
#include "text/internal_error.h"

namespace tf {

namespace {

// The entry tables must all have one row per entry.
template <class... Tables>
void require_entry_rows(std::size_t nplant, const Tables&... tables) {
  TF_BUG_ASSERT(((tables.size() == nplant) && ...));
}

// Parents within the parent table and room for every plant asked for; a
// negative cross size makes no plant. Checked before anything is printed or
// drawn.
void require_crosses(const GenomeModel& model,
                     const std::vector<std::array<std::int32_t, 2>>& crosspar,
                     const std::vector<std::int32_t>& crosssize, std::size_t nplant) {
  TF_BUG_ASSERT(crosspar.size() == crosssize.size());
  const auto npar =
      static_cast<std::int32_t>(std::min(model.pargeno.size(), static_cast<std::size_t>(NPAR)));
  std::size_t plants = 0;
  for (std::size_t c = 0; c < crosssize.size(); ++c) {
    for (const std::int32_t p : crosspar[c]) {
      TF_BUG_ASSERT(p >= 1 && p <= npar);
    }
    plants += static_cast<std::size_t>(std::max(crosssize[c], 0));
  }
  TF_BUG_ASSERT(plants <= nplant);
}

}  // namespace

void f2plant(const GenomeModel& model, const std::vector<std::array<std::int32_t, 2>>& crosspar,
             const std::vector<std::int32_t>& crosssize, RandomStream& stream, GenoTable& geno,
             std::vector<std::array<std::int32_t, 2>>& plantpar,
             std::vector<std::int32_t>& fhbstat_f2, std::vector<TraitValues>& pred_f2,
             const CrossStart& cross_start) {
  const std::size_t nplant = geno.size();
  require_entry_rows(nplant, plantpar, fhbstat_f2, pred_f2);
  require_crosses(model, crosspar, crosssize, nplant);
  const RecombinationMap map(model.locmap);
  const PredictionTerms prediction_terms(model.locmap, model.mrkeff);
  const MajorGeneRows major_gene(model.locmap);

  std::fill(fhbstat_f2.begin(), fhbstat_f2.end(), 0);
  std::fill(pred_f2.begin(), pred_f2.end(), TraitValues{});

  // The F1 and the new plant, in GENO's packing.
  PackedPlant f1;
  PackedPlant plant;
  std::size_t e = 0;
  for (std::size_t c = 0; c < crosspar.size(); ++c) {
    const std::array<std::int32_t, 2>& parents = crosspar[c];
    if (cross_start) cross_start(c, parents);
    pack_chromatid(model.pargeno[index_of(parents[0])].data(), f1.chromatid[0]);
    pack_chromatid(model.pargeno[index_of(parents[1])].data(), f1.chromatid[1]);
    for (std::int32_t n = 0; n < crosssize[c]; ++n, ++e) {
      plantpar[e] = parents;
      meiosis(f1, map, plant.chromatid[0], stream);
      meiosis(f1, map, plant.chromatid[1], stream);
      geno.write_plant(e, plant);
      fhbstat_f2[e] = major_gene.status(plant);
      pred_f2[e] = prediction_terms.of(plant);
    }
  }
}

void rilines(const GenomeModel& model, RandomStream& stream, GenoTable& geno,
             std::vector<TraitValues>& g_ri, std::vector<TraitValues>& pred_ri,
             std::vector<std::int32_t>& fhbstat_ri, const LinesStart& lines_start) {
  const std::size_t nplant = geno.size();
  require_entry_rows(nplant, g_ri, pred_ri, fhbstat_ri);
  const RecombinationMap map(model.locmap);
  const GenotypicTerms genotypic_terms(model.locmap, model.qtleff);
  const PredictionTerms prediction_terms(model.locmap, model.mrkeff);
  const MajorGeneRows major_gene(model.locmap);

  if (lines_start) lines_start();

  PackedPlant plant;
  for (std::size_t e = 0; e < nplant; ++e) {
    geno.read_plant(e, plant);
    selfing(plant, map, stream);
    geno.write_plant(e, plant);
    g_ri[e] = genotypic_terms.of(plant);
    fhbstat_ri[e] = major_gene.status(plant);
    pred_ri[e] = prediction_terms.of(plant);
  }
}

}  // namespace tf
