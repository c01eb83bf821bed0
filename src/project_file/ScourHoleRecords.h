#pragma once

#include <array>
#include <string>

class FieldReader;
class RecordWriter;

// The NE Scour Hole Design section: for design 0 and then design 1, the three
// input boxes (element 0 as typed, element 1 the copy the last Compute used)
// and the eight result captions, each as shown. Nothing is recomputed when
// the file is read.
namespace ScourHoleRecords {

// The controls by item number, in the order they are written.
enum class Item {
    DesignQ = 4,
    TailwaterDepth = 5,
    CulvertDiam = 10,
    ADim = 11,
    CDim = 13,
    EDim = 14,
    FDim = 15,
    CalcD50 = 16,
    CalcD = 17,
    RecD50 = 18,
    RecD = 19
};
inline constexpr std::array<Item, 11> Items = {
    Item::DesignQ, Item::TailwaterDepth, Item::CulvertDiam, Item::ADim,   Item::CDim, Item::EDim,
    Item::FDim,    Item::CalcD50,        Item::CalcD,       Item::RecD50, Item::RecD};
inline constexpr int NumIndexes = 2;

// What the writer stores: the texts of element 0 and 1, in the order of Items.
struct Data {
    std::array<std::array<std::string, Items.size()>, NumIndexes> texts;
};

void Write(RecordWriter& out, const Data& data);

// The window as the reader sees it; the reader passes indexes 0 and 1 only.
class Target {
public:
    virtual ~Target() = default;
    virtual void SetText(Item item, int index, const std::string& text) = 0;
};

// Reads the rest of one record after its marker and applies it; records with
// another index are dropped, and an unknown item number reads nothing more.
// Whatever is dropped is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, Target& target);

} // namespace ScourHoleRecords
