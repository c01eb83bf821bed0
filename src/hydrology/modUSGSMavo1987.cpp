#include "hydrology/modUSGSMavo1987.h"

#include "hydrology/HydrologyMath.h"

#include <array>
#include <vector>

namespace modUSGSMavo1987 {
namespace {

struct Mavo1987Coef {
    double a = 0;
    double b = 0;
    double SE = 0; // carried with the table; no computation uses it
};

// Entries 1 to the return-period count; entry 0 stays zero.
struct Mavo1987RegionCoefs {
    std::vector<Mavo1987Coef> Coefs;
};

std::int32_t mNumReturnPeriods = 0;
std::vector<std::int32_t> ReturnPeriods(1, 0);
std::int32_t mNumRegions = 0;
std::vector<Mavo1987RegionCoefs> RegionCoefs(1);

constexpr std::array<std::int32_t, 6> Years = {2, 5, 10, 25, 50, 100};

// a, b and SE of regions 1 to 5 for 2, 5, 10, 25, 50 and 100 years.
constexpr Mavo1987Coef Table[5][6] = {
    {{211, 0.62, 61},
     {502, 0.60, 37},
     {757, 0.60, 28},
     {1140, 0.57, 24},
     {1500, 0.60, 21},
     {1880, 0.60, 24}},
    {{196, 0.57, 55},
     {402, 0.55, 39},
     {570, 0.55, 34},
     {821, 0.54, 32},
     {1020, 0.53, 33},
     {1230, 0.53, 36}},
    {{129, 0.62, 44},
     {265, 0.59, 36},
     {381, 0.57, 35},
     {555, 0.55, 37},
     {695, 0.54, 39},
     {851, 0.53, 41}},
    {{31, 0.77, 40},
     {67, 0.72, 33},
     {98, 0.70, 31},
     {145, 0.68, 29},
     {180, 0.66, 30},
     {227, 0.65, 30}},
    {{30, 0.66, 27},
     {37, 0.71, 21},
     {41, 0.74, 20},
     {45, 0.77, 24},
     {47, 0.79, 24},
     {50, 0.80, 26}},
};

} // namespace

void InitializeRegionTables() {
    mNumReturnPeriods = static_cast<std::int32_t>(Years.size());
    ReturnPeriods.assign(1, 0);
    ReturnPeriods.insert(ReturnPeriods.end(), Years.begin(), Years.end());
    mNumRegions = 5;
    RegionCoefs.assign(static_cast<std::size_t>(mNumRegions) + 1, Mavo1987RegionCoefs{});
    for (std::size_t r = 1; r <= static_cast<std::size_t>(mNumRegions); ++r) {
        auto& coefs = RegionCoefs[r].Coefs;
        coefs.assign(1, Mavo1987Coef{});
        coefs.insert(coefs.end(), std::begin(Table[r - 1]), std::end(Table[r - 1]));
    }
}

double ComputeRegionQ(std::int32_t region, std::int32_t rpIndex, double area) {
    const std::size_t r = HydrologyMath::Entry(region, 1, mNumRegions, "USGS 1987 region");
    const std::size_t k =
        HydrologyMath::Entry(rpIndex, 1, mNumReturnPeriods, "USGS 1987 return-period index");
    const Mavo1987Coef& coef = RegionCoefs[r].Coefs[k];
    constexpr const char* what = "the USGS 1987 regional equation";
    return HydrologyMath::Product(coef.a, HydrologyMath::Power(area, coef.b, what), what);
}

std::int32_t NumReturnPeriods() {
    return mNumReturnPeriods;
}

std::int32_t ReturnPeriod(std::int32_t i) {
    return ReturnPeriods[HydrologyMath::Entry(i, 0, mNumReturnPeriods,
                                              "USGS 1987 return-period index")];
}

std::int32_t NumRegions() {
    return mNumRegions;
}

} // namespace modUSGSMavo1987
