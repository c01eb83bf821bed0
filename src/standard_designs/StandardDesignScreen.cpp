#include "standard_designs/StandardDesignScreen.h"

#include "hydraulics/GenDesignCatalogue.h"
#include "hydraulics/StandardCorrMetalPipeMod.h"
#include "hydraulics/StandardPipeMod.h"
#include "hydraulics/StandardRCArchPipe.h"
#include "hydraulics/StandardRCBoxMod.h"
#include "hydraulics/StandardSteelPipeArchMod.h"
#include "platform/AppError.h"
#include "platform/InputChecks.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <span>

namespace StandardDesignScreen {
namespace {

InputChecks::NumberCheck Typed(std::string field, const std::string& text,
                               const std::string& name) {
    InputChecks::NumberCheck check;
    check.field = std::move(field);
    check.text = text;
    check.required = "A value must be entered for " + name + ".";
    check.notNumeric =
        "The value entered for " + name + " can not be evaluated as a number. Please re-enter.";
    check.tooLarge = "The value entered for " + name + " is too large. Please re-enter.";
    return check;
}

InputOutcome Failed(const InputChecks::Failure& failure) {
    InputOutcome outcome;
    outcome.field = failure.field;
    outcome.message = failure.message;
    return outcome;
}

std::string Number(double value) {
    return Numbers::Format(value, Numbers::GroupedTwoDecimals);
}

// The heads of a row, refused when the computation left one of them infinite
// or undefined (a head that is not a number would silently fall out of the band).
template <class Row> void CheckHeads(const Row& row) {
    CheckFinite(row.HWD, "the inlet-control HW/D");
    CheckFinite(row.H, "the inlet-control H");
    CheckFinite(row.HWi, "the inlet-control HWi");
    CheckFinite(row.HWiElev, "the inlet-control HWi elevation");
}

// The rows of one family inside the band and the barrel limit, in table order;
// `sizeTexts` gives a row's size columns.
template <class Row, class SizeTexts>
GridFill List(const StdDesignResults<Row>& results, bool includeMultipleBarrels,
              SizeTexts sizeTexts) {
    const int limit = BarrelLimit(includeMultipleBarrels);
    GridFill fill;
    for (std::size_t i = 1; i < results.Rows.size(); ++i) {
        const Row& row = results.Rows[i];
        CheckHeads(row);
        if (row.H < results.HMin || row.H > results.HMax || row.NumBarrels > limit) {
            continue;
        }
        std::vector<std::string>& cells = fill.cells.emplace_back();
        cells.push_back(BarrelCellText(row.NumBarrels));
        for (std::string& size : sizeTexts(row)) {
            cells.push_back(std::move(size));
        }
        for (double value : {row.H, row.HWD, row.HWi, row.HWiElev}) {
            cells.push_back(Number(value));
        }
    }
    if (fill.cells.empty()) {
        fill.cells.push_back({"None"});
        return fill;
    }
    fill.rows =
        std::max(StandardDesignTables::MinGridRows, static_cast<int>(fill.cells.size()) + 1);
    return fill;
}

} // namespace

std::array<InputChecks::NumberCheck, 4> DesignInputChecks(const InputTexts& texts) {
    InputChecks::NumberCheck q = Typed("txtTotalQ", texts.totalQ, "Q");
    q.rules.push_back({InputChecks::Positive, "Q must be > 0."});
    q.tooSmall = "The value entered for Q is too small. Please re-enter.";
    InputChecks::NumberCheck invert =
        Typed("txtInletInvertElev", texts.inletInvertElev, "Inlet Invert Elev.");
    invert.required.clear();
    invert.blankValue = 0.0;
    return {q, Typed("TxtHMin", texts.hMin, "H-Min"), Typed("TxtHMax", texts.hMax, "H-Max"),
            invert};
}

InputOutcome ReadDesignInput(const InputTexts& texts) {
    const std::array<InputChecks::NumberCheck, 4> checks = DesignInputChecks(texts);
    const std::span band(checks.data(), 3);
    const std::span invertCheck(checks.data() + 3, 1);
    const InputChecks::Outcome values = InputChecks::CheckUnbounded(band);
    if (values.failure) {
        return Failed(*values.failure);
    }
    const double hMin = values.values[1];
    const double hMax = values.values[2];
    if (hMin >= hMax) {
        return Failed({band[1].field, "H-Max must be greater than H-Min."});
    }
    const InputChecks::Outcome invertValue = InputChecks::CheckUnbounded(invertCheck);
    if (invertValue.failure) {
        return Failed(*invertValue.failure);
    }
    if (auto outOfBounds = InputChecks::FirstOutOfBounds(band, values.values)) {
        return Failed(*outOfBounds);
    }
    if (auto outOfBounds = InputChecks::FirstOutOfBounds(invertCheck, invertValue.values)) {
        return Failed(*outOfBounds);
    }
    InputOutcome outcome;
    outcome.invertTakenAsZero = Numbers::Trim(texts.inletInvertElev).empty();
    StdDesignInput& input = outcome.input.emplace();
    input.Q = values.values[0];
    input.HMin = hMin;
    input.HMax = hMax;
    input.Slope = 0;
    input.InletInvertElev = invertValue.values[0];
    return outcome;
}

int BarrelLimit(bool includeMultipleBarrels) {
    return includeMultipleBarrels ? 4 : 1;
}

std::string BarrelCellText(int numBarrels) {
    std::string word = GenDesign::GetBarrelCountWord(numBarrels);
    return Numbers::Trim(word).empty() ? std::to_string(numBarrels) : word;
}

GridFill ListPipeDesigns(const StdDesignResults<StdPipeDesignRow>& results,
                         bool includeMultipleBarrels) {
    return List(results, includeMultipleBarrels, [](const StdPipeDesignRow& row) {
        return std::vector<std::string>{row.DiameterText};
    });
}

GridFill ListBoxDesigns(const StdDesignResults<StdBoxDesignRow>& results,
                        bool includeMultipleBarrels) {
    return List(results, includeMultipleBarrels, [](const StdBoxDesignRow& row) {
        return std::vector<std::string>{row.WidthFtText, row.HeightFtText};
    });
}

GridFill ListArchDesigns(const StdDesignResults<StdArchDesignRow>& results,
                         bool includeMultipleBarrels) {
    return List(results, includeMultipleBarrels, [](const StdArchDesignRow& row) {
        return std::vector<std::string>{row.SpanText, row.RiseText};
    });
}

std::array<GridFill, StandardDesignTables::NumGrids>
ScreenStandardDesigns(const StdDesignInput& input, bool includeMultipleBarrels) {
    using namespace StandardDesignTables;
    std::array<GridFill, NumGrids> grids;
    auto at = [&grids](GridNumber grid) -> GridFill& {
        return grids[static_cast<std::size_t>(grid - 1)];
    };
    StdDesignResults<StdPipeDesignRow> pipes;
    StandardPipeMod::ComputeStandardConcPipeDesigns(input, pipes);
    at(ConcretePipe) = ListPipeDesigns(pipes, includeMultipleBarrels);
    StdDesignResults<StdBoxDesignRow> boxes;
    StandardRCBoxMod::ComputeStandardRCBoxDesigns(input, boxes);
    at(RCBox) = ListBoxDesigns(boxes, includeMultipleBarrels);
    StdDesignResults<StdArchDesignRow> arches;
    StandardRCArchPipe::ComputeStandardRCArchPipeDesigns(input, arches);
    at(RCArchPipe) = ListArchDesigns(arches, includeMultipleBarrels);
    StdDesignResults<StdArchDesignRow> steelArches;
    StandardSteelPipeArchMod::ComputeStandardSteelPipeArchDesigns(input, steelArches);
    at(SteelPipeArch) = ListArchDesigns(steelArches, includeMultipleBarrels);
    StdDesignResults<StdPipeDesignRow> metalPipes;
    StandardCorrMetalPipeMod::ComputeStandardCMPDesigns(input, metalPipes);
    at(CorrMetalPipe) = ListPipeDesigns(metalPipes, includeMultipleBarrels);
    return grids;
}

} // namespace StandardDesignScreen
