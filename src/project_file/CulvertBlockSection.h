#pragma once

#include "general_design/CulvertInputContents.h"
#include "outlet_protection/CulvertInputBlock.h"

#include <string>

// The window side of a section that stores a culvert input block (the plunge
// basin's and the riprap basin's): the block's choice into the section's data,
// and the reader's culvert setters acting on the block as the user would.
namespace CulvertBlockSection {

// The choice fields that the Data of these sections and of General Culvert
// Design's name alike.
template <class Data> void StoreChoice(const CulvertInputContents& culvert, Data& data) {
    data.culvertTypeID = culvert.culvertTypeID;
    data.inletID = culvert.inletID;
    data.standardSizeID = culvert.standardSizeID;
    data.userSizes = culvert.userSizes;
    data.userNumBarrelsPosition = culvert.userNumBarrelsPosition;
    data.userSizeOption = culvert.userSizeOption;
}

// The block's own text boxes under the section's box names; false for any
// other box, which belongs to the window.
template <class Box> bool SetBlockText(CulvertInputBlock& block, Box box, const std::string& text) {
    using Input = CulvertInputBlock::Input;
    switch (box) {
    case Box::InletInvertElevation:
        block.SetInputText(Input::InletInvertElevation, text);
        return true;
    case Box::OutletInvertElevation:
        block.SetInputText(Input::OutletInvertElevation, text);
        return true;
    case Box::CulvertBarrelLength:
        block.SetInputText(Input::CulvertBarrelLength, text);
        return true;
    case Box::ManningN:
        block.SetInputText(Input::ManningN, text);
        return true;
    case Box::KeInlet:
        block.SetInputText(Input::KeInlet, text);
        return true;
    default:
        return false;
    }
}

// A section's reader target whose culvert choice setters act on the block.
template <class SectionTarget> class Target : public SectionTarget {
public:
    explicit Target(CulvertInputBlock& block) : block_(block) {}

    bool SetCulvertInletSize(int culvertTypeID, int inletID, int standardSizeID) override {
        return block_.SetCulvertInletSize(culvertTypeID, inletID, standardSizeID);
    }
    int UserSizeBoxes() const override { return CulvertInputContents::NumUserSizes; }
    void SetUserSize(int index, const std::string& text) override {
        block_.SetUserSize(index, text);
    }
    int BarrelPositions() const override { return block_.UserNumBarrelsPositions(); }
    void SelectBarrelPosition(int position) override { block_.SelectUserNumBarrels(position); }
    int SizeOptions() const override { return CulvertInputBlock::NumSizeOptions; }
    void SelectSizeOption(int option) override { block_.SelectSizeOption(option); }

protected:
    CulvertInputBlock& block_;
};

} // namespace CulvertBlockSection
