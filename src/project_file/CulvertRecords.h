#pragma once

#include <array>
#include <string>
#include <string_view>

class FieldReader;
class RecordWriter;

// The culvert choice that the General Culvert Design, plunge basin and riprap
// basin sections store alike: item 7 (culvert type, inlet and standard size by
// catalogue identifier), item 10 (each typed size that is not blank), item 11
// (the barrel count's list position) and item 12 (the size option).
namespace CulvertRecords {

inline constexpr int NumUserSizes = 5;

// Stored as the barrel count's position when its list has no selection.
inline constexpr int NoPosition = -1;

// Item 7.
void WriteTypeInletSize(RecordWriter& out, std::string_view marker, int culvertTypeID, int inletID,
                        int standardSizeID);
// Items 10, 11 and 12.
void WriteUserSize(RecordWriter& out, std::string_view marker,
                   const std::array<std::string, NumUserSizes>& userSizes,
                   int userNumBarrelsPosition, bool userSizeOption);

// The window as the reader sees its culvert choice; the reader calls the
// setters only with indexes and positions inside the counts it gives.
class Target {
public:
    virtual ~Target() = default;

    // False when the catalogue holds no entry for one of the identifiers.
    virtual bool SetCulvertInletSize(int culvertTypeID, int inletID, int standardSizeID) = 0;
    virtual int UserSizeBoxes() const = 0;
    virtual void SetUserSize(int index, const std::string& text) = 0;
    virtual int BarrelPositions() const = 0;
    virtual void SelectBarrelPosition(int position) = 0;
    virtual int SizeOptions() const = 0;
    virtual void SelectSizeOption(int option) = 0;
};

// Reads and applies the rest of a record of item 7, 10, 11 or 12; any other
// item, of which nothing is read, is skipped as unknown.
void ReadItem(int item, FieldReader& in, Target& target);

} // namespace CulvertRecords
