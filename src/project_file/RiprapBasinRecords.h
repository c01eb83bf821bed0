#pragma once

#include "project_file/CulvertRecords.h"

#include "project_file/GeneralDesignRecords.h"

#include <array>
#include <string>

class FieldReader;
class RecordWriter;

// The HEC-14 Riprap Basin Design section: the value column of the results
// grid, the culvert inputs with the type, inlet and size choice, the design Q
// and tailwater depth, and every result as the window shows it, so nothing is
// recomputed when the file is read.
namespace RiprapBasinRecords {

inline constexpr int NumUserSizes = CulvertRecords::NumUserSizes;
inline constexpr int NumResultRows = 17;

// The texts the section carries besides the grid and the user sizes.
enum class Box {
    InletInvertElevation,
    OutletInvertElevation,
    CulvertBarrelLength,
    ChannelBottomElevation,
    ManningN,
    KeInlet,
    DesignQ,
    TailwaterDepth,
    D50,
    RecommendedD50,
    CalculatedApproach,
    RecommendedApproach,
    CalculatedBasin,
    RecommendedBasin,
    W
};
inline constexpr int NumBoxes = static_cast<int>(Box::W) + 1;

// What the writer stores, as the window shows it.
struct Data {
    std::array<std::string, NumResultRows> resultValues; // grid rows 0 to 16, column 1
    std::array<std::string, NumBoxes> boxes;             // by Box
    // Catalogue identifiers; a list without a chosen entry gives the
    // identifier of section 11, which no catalogue entry carries.
    int culvertTypeID = GeneralDesignRecords::NoSelectionID;
    int inletID = GeneralDesignRecords::NoSelectionID;
    int standardSizeID = GeneralDesignRecords::NoSelectionID;
    std::array<std::string, NumUserSizes> userSizes;
    int userNumBarrelsPosition = CulvertRecords::NoPosition; // list position from 0
    bool userSizeOption = false; // the user-entered size option, not the standard one
};

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it; the reader calls the setters only with
// rows, indexes and positions inside the counts it gives.
class Target : public CulvertRecords::Target {
public:
    virtual void SetBoxText(Box box, const std::string& text) = 0;
    virtual int ResultRows() const = 0;
    virtual void SetResultValue(int row, const std::string& text) = 0;
};

// Reads the rest of one record after its marker and applies it; records out
// of range are dropped, and an unknown item number reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace RiprapBasinRecords
