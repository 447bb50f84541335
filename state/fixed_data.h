// Fixed data of the main program: prices, carriers of the resistance allele,
// the trait scale and the names of the value columns.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "genetics/genome.h"

namespace tf {

constexpr int NYEAR = 3;  // trial years 1..3

// Dollars per unit, indexed by TaskCode: a cross (the start charge), a marker
// test, a prediction, an inbred line, a yield-and-protein plot, an Fhb plot.
constexpr std::array<float, 6> COST = {25.0F, 4.0F, 20.0F, 15.0F, 42.0F, 5.0F};

// CARRIER(p) at index_of(p): 1 when parent line p carries allele 1 at MAJORQTL.
constexpr std::array<std::int32_t, NPAR> CARRIER = {1, 0, 0, 1, 1, 1, 1, 1, 1, 0, 1, 0, 1, 1, 1};

// Trait scale, trait t at index_of(t). SG, ZMEAN and ZSG hold the single-precision
// numbers nearest to their decimals, widened to double; H2 is single precision.
constexpr std::array<double, NTRAIT> SG = {static_cast<double>(7.7778F), static_cast<double>(0.75F),
                                           static_cast<double>(3.0F)};
constexpr std::array<float, NTRAIT> H2 = {0.5F, 0.75F, 0.4F};
constexpr std::array<double, NTRAIT> ZMEAN = {
    static_cast<double>(0.5587F), static_cast<double>(-0.03354F), static_cast<double>(0.00589F)};
constexpr std::array<double, NTRAIT> ZSG = {
    static_cast<double>(8.6324F), static_cast<double>(3.1975F), static_cast<double>(3.7276F)};
constexpr std::array<double, NTRAIT> MEAN = {95.0, 13.0, 11.0};

// TRAITNAME(y, t) at [y][index_of(t)]: y = 0 a prediction column, 1..3 the trial year.
constexpr std::array<std::array<std::string_view, NTRAIT>, NYEAR + 1> TRAITNAME = {{
    {"Yield_Pred", "Protein_Pred", "Fhb_Pred"},
    {"Yield_Y1", "Protein_Y1", "Fhb_Y1"},
    {"Yield_Y2", "Protein_Y2", "Fhb_Y2"},
    {"Yield_Y3", "Protein_Y3", "Fhb_Y3"},
}};

}  // namespace tf
