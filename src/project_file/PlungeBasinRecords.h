#pragma once

#include "project_file/CulvertRecords.h"

#include "project_file/GeneralDesignRecords.h"

#include <array>
#include <string>

class FieldReader;
class RecordWriter;

// The NE Plunge Basin Design section: the culvert inputs with the type,
// inlet and size choice, the design Q and tailwater depth, and every result
// as the window shows it, so nothing is recomputed when the file is read.
namespace PlungeBasinRecords {

inline constexpr int NumUserSizes = CulvertRecords::NumUserSizes;

// The text boxes the section carries; each is one record of its own except
// the design Q and the tailwater depth, which share one.
enum class Box {
    InletInvertElevation,
    OutletInvertElevation,
    CulvertBarrelLength,
    ManningN,
    KeInlet,
    DesignQ,
    TailwaterDepth,
    EquivPipeDiam,
    DesignPipeDiam,
    D50,
    RiprapThickness,
    ExitVelocity,
    ADim,
    CDim,
    EDim,
    TDim,
    FDim,
    TotalLength,
    W
};
inline constexpr int NumBoxes = static_cast<int>(Box::W) + 1;

// What the writer stores, as the window shows it.
struct Data {
    std::array<std::string, NumBoxes> boxes; // by Box
    std::string riprapClass;                 // the class label's caption
    // Catalogue identifiers; a list without a chosen entry gives
    // GeneralDesignRecords::NoSelectionID, which no catalogue entry carries.
    int culvertTypeID = GeneralDesignRecords::NoSelectionID;
    int inletID = GeneralDesignRecords::NoSelectionID;
    int standardSizeID = GeneralDesignRecords::NoSelectionID;
    std::array<std::string, NumUserSizes> userSizes;
    int userNumBarrelsPosition = CulvertRecords::NoPosition; // list position from 0
    bool userSizeOption = false; // the user-entered size option, not the standard one
};

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it; the reader calls the setters only with
// indexes and positions inside the counts it gives.
class Target : public CulvertRecords::Target {
public:
    virtual void SetBoxText(Box box, const std::string& text) = 0;
    virtual void SetRiprapClass(const std::string& caption) = 0;
};

// Reads the rest of one record after its marker and applies it; records out
// of range are dropped, and an unknown item number reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace PlungeBasinRecords
