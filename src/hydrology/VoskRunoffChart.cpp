#include "hydrology/VoskRunoffChart.h"

#include "hydrology/HydrologyMath.h"
#include "hydrology/HydrologyTables.h"
#include "platform/CatalogueDatabase.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"

namespace VoskRunoffChart {
namespace {

std::vector<RunoffChartBand> Bands(1);
double MinDA = -1;
double MaxDA = -1;
// Indexed (land-use class, slope class), both from 1.
std::vector<std::vector<double>> LandUseSlopeFactors(1, std::vector<double>(1, 0.0));

// Value1 of the first row of TblVRCDataQuery for the key; -1 without a row.
double ChartDatum(StoredQuery& query, const std::string& key) {
    double value = -1;
    query.SetParameter("Parm", key);
    Recordset rs = query.Open();
    ReadFirstRow(rs, [&value](Recordset& row) { value = row.Double("Value1"); });
    return value;
}

// A class table: entry ArrayNum of the list holds the trimmed class text.
void ReadClassTable(const CatalogueDatabase& db, const std::string& table,
                    const std::string& textField, std::vector<std::string>& classes) {
    Recordset rs = db.OpenTable(table);
    const long count = rs.RecordCount();
    classes.assign(static_cast<std::size_t>(count) + 1, std::string());
    rs.MoveFirst();
    while (!rs.Eof()) {
        const std::string text = Numbers::Trim(rs.Text(textField));
        const std::int32_t entry = rs.Int32("ArrayNum");
        if (entry < 0 || entry > count) {
            rs.Reject("ArrayNum",
                      "is outside 0 to " + std::to_string(count) + ": " + std::to_string(entry));
        }
        classes[static_cast<std::size_t>(entry)] = text;
        rs.MoveNext();
    }
}

void ReadLandUseSlopeFactors(const CatalogueDatabase& db) {
    const std::int32_t covers = GlobalVariables::NumRunoffChartCovers();
    const std::int32_t slopes = GlobalVariables::NumRunoffChartSlopes();
    LandUseSlopeFactors.assign(static_cast<std::size_t>(covers) + 1,
                               std::vector<double>(static_cast<std::size_t>(slopes) + 1, 0.0));
    Recordset rs = db.OpenTable("TblVRCLUSDFactors");
    rs.MoveFirst();
    while (!rs.Eof()) {
        const double factor = rs.Double("LFFactor");
        const std::int32_t cover = rs.Int32("CoverArrayNum");
        const std::int32_t slope = rs.Int32("SlopeArrayNum");
        // A row for a class that the class tables do not hold has no place to go.
        if (cover >= 1 && cover <= covers && slope >= 1 && slope <= slopes) {
            LandUseSlopeFactors[static_cast<std::size_t>(cover)][static_cast<std::size_t>(slope)] =
                factor;
        }
        rs.MoveNext();
    }
}

// The first band i with D(i) <= A <= D(i+1); 0 when none holds A.
std::int32_t FindBand(double A) {
    const std::int32_t n = NumRunoffChartBands();
    if (n < 1 || A < Bands[1].DA || A > Bands[static_cast<std::size_t>(n) + 1].DA) {
        return 0;
    }
    for (std::int32_t i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (Bands[k].DA <= A && A <= Bands[k + 1].DA) {
            return i;
        }
    }
    return 0;
}

// The tables as before any load: no return periods, bands, bounds or classes.
void ClearRunoffChartTables() {
    GlobalVariables::RunoffChartReturnPeriods.assign(1, RunoffChartReturnPeriod());
    Bands.assign(1, RunoffChartBand());
    MinDA = -1;
    MaxDA = -1;
    GlobalVariables::RunoffChartCovers.assign(1, std::string());
    GlobalVariables::RunoffChartSlopes.assign(1, std::string());
    LandUseSlopeFactors.assign(1, std::vector<double>(1, 0.0));
}

void ReadRunoffChartTables() {
    const CatalogueDatabase db;

    StoredQuery periodsQuery = db.Query("TblVRCRPFFQuery");
    Recordset periods = periodsQuery.Open();
    ReadGrowingList(periods, GlobalVariables::RunoffChartReturnPeriods,
                    [](Recordset& row, RunoffChartReturnPeriod& entry) {
                        entry.ReturnPeriod = row.Int32("ReturnPeriod");
                        entry.FF = row.Double("FF");
                    });

    StoredQuery chartQuery = db.Query("TblVRCChartQuery");
    Recordset chart = chartQuery.Open();
    ReadGrowingList(chart, Bands, [](Recordset& row, RunoffChartBand& band) {
        band.DA = row.Double("DA");
        band.Kfac = row.Double("Kfac");
        band.Cfac = row.Double("Cfac");
    });

    StoredQuery dataQuery = db.Query("TblVRCDataQuery");
    MinDA = ChartDatum(dataQuery, "DALB");
    MaxDA = ChartDatum(dataQuery, "DAUB");

    ReadClassTable(db, "TblVRCCover", "Cover", GlobalVariables::RunoffChartCovers);
    ReadClassTable(db, "TblVRCSlope", "Slope", GlobalVariables::RunoffChartSlopes);
    ReadLandUseSlopeFactors(db);
}

} // namespace

void LoadRunoffChartTables() {
    try {
        ReadRunoffChartTables();
    } catch (...) {
        // A load stopped halfway could leave class counts without their factors.
        ClearRunoffChartTables();
        throw;
    }
}

const std::vector<RunoffChartBand>& RunoffChartBands() {
    return Bands;
}

std::int32_t NumRunoffChartBands() {
    return static_cast<std::int32_t>(Bands.size()) - 2;
}

double MinChartDA() {
    return MinDA;
}

double MaxChartDA() {
    return MaxDA;
}

double GetLandUseSlopeFactor(std::int32_t cover, std::int32_t slope) {
    if (cover < 1 || cover > GlobalVariables::NumRunoffChartCovers() || slope < 1 ||
        slope > GlobalVariables::NumRunoffChartSlopes()) {
        return 0;
    }
    return LandUseSlopeFactors[static_cast<std::size_t>(cover)][static_cast<std::size_t>(slope)];
}

double ComputeChartQ(double drainageArea) {
    const std::int32_t i = FindBand(drainageArea);
    if (i == 0) {
        return -1;
    }
    const RunoffChartBand& band = Bands[static_cast<std::size_t>(i)];
    return HydrologyMath::Product(
        band.Kfac, HydrologyMath::Power(drainageArea, band.Cfac, "the runoff chart discharge"),
        "the runoff chart discharge");
}

void ValidateRunoffChartInput(const RunoffChartRecord& record, std::int32_t& errorFlag,
                              std::string& message, RunoffChartField& field) {
    errorFlag = 0;
    message.clear();
    field = RunoffChartField::None;
    const auto refuse = [&](std::string text, RunoffChartField box) {
        errorFlag = 1;
        message = std::move(text);
        field = box;
    };

    const auto area = Numbers::ParseNumber(record.DAText);
    if (record.DAText.empty()) {
        return refuse("A value must be entered for the drainage area.",
                      RunoffChartField::DrainageArea);
    }
    if (!area) {
        return refuse(
            "The entry for drainage area can not be evaluated as a number. Please re-enter.",
            RunoffChartField::DrainageArea);
    }
    if (*area < MinDA || *area > MaxDA) {
        return refuse("The drainage area must be >= " + Numbers::GeneralText(MinDA) +
                          " and <= " + Numbers::GeneralText(MaxDA) + " acres.",
                      RunoffChartField::DrainageArea);
    }
    // The bounds and the band table are separate data; an area between the
    // bounds that no band holds would give negative discharges.
    if (FindBand(*area) == 0) {
        return refuse("The drainage area entered is outside the runoff chart's table. Please "
                      "check the standard data.",
                      RunoffChartField::DrainageArea);
    }
    if (record.LUSOption == 1) {
        const auto factor = Numbers::ParseNumber(record.UserLFText);
        if (record.UserLFText.empty()) {
            return refuse("You must enter an LF value.", RunoffChartField::UserLF);
        }
        if (!factor) {
            return refuse("Entry for LF can not be evaluated as a number. Please re-enter.",
                          RunoffChartField::UserLF);
        }
        if (*factor < 0 || *factor > 1) {
            return refuse("Value for LF must be between 0 and 1.", RunoffChartField::UserLF);
        }
    }
    // The chart's bounds are catalogue data: whatever an agency's chart
    // reaches, the area is held to the bound of every typed number.
    if (!InputChecks::WithinBound(*area)) {
        return refuse("The entry for drainage area is too large. Please re-enter.",
                      RunoffChartField::DrainageArea);
    }
}

void ComputeRunoffChartQs(RunoffChartRecord& record) {
    const std::int32_t n = GlobalVariables::NumRunoffChartReturnPeriods();
    const auto size = static_cast<std::size_t>(n) + 1;
    record.ChartQ = ComputeChartQ(Numbers::ToDouble(record.DAText));
    record.FFs.assign(size, 0.0);
    for (std::size_t i = 1; i < size; ++i) {
        record.FFs[i] = GlobalVariables::RunoffChartReturnPeriods[i].FF;
    }
    record.LF = record.LUSOption == 1 ? Numbers::ToDouble(record.UserLFText)
                                      : GetLandUseSlopeFactor(record.CoverIndex, record.SlopeIndex);
    record.LFxFFs.assign(size, 0.0);
    record.Qs.assign(size, 0.0);
    for (std::size_t i = 1; i < size; ++i) {
        record.LFxFFs[i] = HydrologyMath::Product(record.LF, record.FFs[i], "LF x FF");
        record.Qs[i] = HydrologyMath::Product(record.LFxFFs[i], record.ChartQ,
                                              "the runoff chart design discharge");
    }
}

} // namespace VoskRunoffChart
