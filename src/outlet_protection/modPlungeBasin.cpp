#include "outlet_protection/modPlungeBasin.h"

#include <array>
#include <vector>

namespace modPlungeBasin {
namespace {

struct BasinDims {
    double A, C, E, T, F;
};

struct PipeTableEntry {
    double Size;
    std::array<BasinDims, 3> Dims; // one per velocity range
};

struct VelocityRange {
    double Lo, Hi; // both inclusive
};

std::vector<PipeTableEntry> PipeTable;
std::vector<VelocityRange> VelocityRanges;
std::vector<double> RiprapValues;

double pipeSize = 0;
double velocity = 0;
double tablePipeSize = 0;
int pipeIndex = 0;  // from 1; 0 for none
int rangeIndex = 0; // from 1; 0 for none
std::int16_t errorFlag = 0;
std::string errorMessage;

const BasinDims* Chosen() {
    if (pipeIndex < 1 || rangeIndex < 1) {
        return nullptr;
    }
    return &PipeTable[static_cast<size_t>(pipeIndex - 1)].Dims[static_cast<size_t>(rangeIndex - 1)];
}

double ChosenDim(double BasinDims::*dim) {
    const BasinDims* dims = Chosen();
    return dims ? dims->*dim : 0;
}

// The first check that the inputs fail, or "".
std::string InputFault() {
    if (!(velocity > 0)) {
        return "Velocity must be greater than 0.";
    }
    if (!(velocity <= 30)) {
        return "Velocity must be <= 30.";
    }
    if (!(pipeSize > 0)) {
        return "Pipe size must be greater than 0.";
    }
    if (!(pipeSize <= 96.1)) {
        return "Pipe size must be <= 96.1";
    }
    return "";
}

} // namespace

void InitializeBasinTable() {
    VelocityRanges = {{0, 18}, {18, 24}, {24, 30}};
    RiprapValues = {16, 24, 24};
    // A, C, E, T, F for the velocity ranges 0-18, 18-24 and 24-30 ft/s.
    PipeTable = {
        {24, {{{3, 1.5, 3, 1.5, 4}, {3, 1.5, 5, 1.5, 4}, {4, 2, 7, 1.5, 4}}}},
        {30, {{{3, 1.5, 3, 2, 4}, {3, 1.5, 5, 2, 4}, {4, 2, 7, 2, 4}}}},
        {36, {{{3, 1.5, 3, 2.5, 5}, {3, 1.5, 5, 2.5, 5}, {4, 2, 7, 2.5, 5}}}},
        {42, {{{3, 1.5, 3, 3, 5}, {3, 1.5, 5, 3, 5}, {4, 2, 7, 3, 5}}}},
        {48, {{{3, 1.5, 3, 3, 6}, {4, 2, 5, 3, 6}, {5, 2.5, 7, 3, 6}}}},
        {54, {{{3, 1.5, 3, 4, 7}, {4, 2, 5, 4, 7}, {5, 2.5, 7, 4, 7}}}},
        {60, {{{4, 2, 3, 4, 8}, {4, 2, 5, 4, 8}, {6, 3, 7, 4, 8}}}},
        {66, {{{4, 2, 3, 5, 8}, {5, 2.5, 5, 5, 8}, {6, 3, 7, 5, 8}}}},
        {72, {{{4, 2, 3, 5, 9}, {5, 2.5, 5, 5, 9}, {6, 3, 7, 5, 9}}}},
        {84, {{{5, 2.5, 3, 5.5, 11}, {6, 3, 5, 5.5, 11}, {7, 3.5, 7, 5.5, 11}}}},
        {96, {{{6, 3, 3, 6, 12}, {7, 3.5, 5, 6, 12}, {8, 4, 7, 6, 12}}}},
    };
}

void PipeSize(double inches) {
    pipeSize = inches;
}

void Velocity(double feetPerSecond) {
    velocity = feetPerSecond;
}

void SelectBasin() {
    errorFlag = -1;
    errorMessage.clear();
    tablePipeSize = 0;
    pipeIndex = 0;
    rangeIndex = 0;
    errorMessage = InputFault();
    if (!errorMessage.empty()) {
        return;
    }
    for (size_t i = 0; i < PipeTable.size(); ++i) {
        // A size up to a tenth of an inch above a standard one takes it.
        if (PipeTable[i].Size + 0.1 >= pipeSize) {
            pipeIndex = static_cast<int>(i) + 1;
            tablePipeSize = PipeTable[i].Size;
            break;
        }
    }
    // From the top, so that a shared bound belongs to the higher range.
    for (size_t k = VelocityRanges.size(); k >= 1; --k) {
        const VelocityRange& range = VelocityRanges[k - 1];
        if (range.Lo <= velocity && velocity <= range.Hi) {
            rangeIndex = static_cast<int>(k);
            break;
        }
    }
    if (pipeIndex == 0 || rangeIndex == 0) {
        // Only an empty table comes here; the checks keep the inputs inside it.
        pipeIndex = 0;
        rangeIndex = 0;
        tablePipeSize = 0;
        errorMessage = "The plunge basin table is not loaded.";
        return;
    }
    errorFlag = 0;
}

std::int16_t ErrorFlag() {
    return errorFlag;
}

std::string ErrorMessage() {
    return errorMessage;
}

double TablePipeSize() {
    return tablePipeSize;
}

double BasinADim() {
    return ChosenDim(&BasinDims::A);
}

double BasinCDim() {
    return ChosenDim(&BasinDims::C);
}

double BasinEDim() {
    return ChosenDim(&BasinDims::E);
}

double BasinTDim() {
    return ChosenDim(&BasinDims::T);
}

double BasinFDim() {
    return ChosenDim(&BasinDims::F);
}

double RiprapTableValue() {
    return rangeIndex < 1 ? 0 : RiprapValues[static_cast<size_t>(rangeIndex - 1)];
}

} // namespace modPlungeBasin
