#pragma once

#include <array>
#include <string>

// What a culvert input block shows at one moment: texts as typed
// (untrimmed), list choices by position, catalogue identifier and text.
struct CulvertInputContents {
    static constexpr int NumUserSizes = 5;
    static constexpr int NoSelection = -1; // position or identifier of an empty choice

    std::string inletInvertElevation;
    std::string outletInvertElevation;
    std::string culvertBarrelLength;

    int culvertTypePosition = NoSelection; // from 0, in catalogue order
    int culvertTypeID = NoSelection;
    std::string culvertTypeText;
    int inletID = NoSelection;
    std::string inletText;
    std::string manningN;
    std::string keInlet;

    bool userSizeOption = false; // sizes typed by the user, not a standard size
    int standardSizePosition = NoSelection;
    int standardSizeID = NoSelection;
    std::array<std::string, NumUserSizes> userSizes;
    int userNumBarrelsPosition = NoSelection;
    std::string userNumBarrelsText;
};
