#pragma once

#include "project_file/CulvertRecords.h"

#include <array>
#include <string>
#include <vector>

class FieldReader;
class RecordWriter;

// The General Culvert Design section: the design-discharge grid with its Use
// ticks, the results grid with its red headwater cells, the culvert inputs and
// the type, inlet and size choice. Results are kept as the texts shown, so
// nothing is recomputed when the file is read.
namespace GeneralDesignRecords {

// Stored in place of a catalogue identifier when a list has no selected entry;
// no catalogue entry carries it, so reading it leaves that list as it is.
inline constexpr int NoSelectionID = -1;

inline constexpr int NumUserSizes = CulvertRecords::NumUserSizes;

// The text boxes the section carries, by item number.
enum class Box {
    InletInvertElevation = 3,
    OutletInvertElevation = 4,
    CulvertBarrelLength = 5,
    AllowableHeadWaterElevation = 6,
    ManningN = 8,
    KeInlet = 9
};

struct DesignRow {
    bool used = false;              // the row's Use tick
    std::vector<std::string> cells; // columns 1 to the last
};

struct ResultCell {
    std::string text;
    bool red = false; // shown in red: headwater above the allowable elevation
};

// What the writer stores, as the window shows it.
struct Data {
    std::vector<DesignRow> designRows;               // grid rows 1 to the last
    std::vector<std::vector<ResultCell>> resultRows; // grid rows 1 to the last, columns 0 to last
    std::string inletInvertElevation;
    std::string outletInvertElevation;
    std::string culvertBarrelLength;
    std::string allowableHeadWaterElevation;
    int culvertTypeID = NoSelectionID;
    int inletID = NoSelectionID;
    int standardSizeID = NoSelectionID;
    std::string manningN;
    std::string keInlet;
    std::array<std::string, NumUserSizes> userSizes;
    int userNumBarrelsPosition = CulvertRecords::NoPosition; // list position from 0
    bool userSizeOption = false; // the user-entered size option, not the standard one
};

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it. Row and column counts include the heading
// row; the reader calls the setters only with rows, columns and indexes that
// lie inside these counts (the results grid it may first grow, up to the
// reader's cap).
class Target : public CulvertRecords::Target {
public:
    virtual int DesignRows() const = 0;
    virtual int DesignCols() const = 0;
    virtual void TickDesignRow(int row) = 0;
    virtual void SetDesignCell(int row, int col, const std::string& text) = 0;

    virtual int ResultRows() const = 0;
    virtual int ResultCols() const = 0;
    virtual void SetResultRows(int rows) = 0;
    virtual void ColourResultCellRed(int row, int col) = 0;
    virtual void SetResultCell(int row, int col, const std::string& text) = 0;

    virtual void SetBoxText(Box box, const std::string& text) = 0;
};

// Reads the rest of one record after its marker and applies it; records out
// of range are dropped, and an unknown item number reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace GeneralDesignRecords
