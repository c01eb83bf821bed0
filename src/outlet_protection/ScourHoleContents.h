#pragma once

#include "outlet_protection/modNEScour.h"

#include <array>
#include <string>

// What the NE Scour Hole Design window shows at one moment. The inputs come
// twice: element 0 as typed in the visible boxes, element 1 the hidden copy
// of the inputs the results belong to (the report prints that one). The
// results are the captions of design 0 (depressed half the span) and design 1
// (depressed the full span).
struct ScourHoleContents {
    static constexpr int NumDesigns = 2;

    struct Inputs {
        std::string designQ;
        std::string tailwaterDepth;
        std::string culvertDiam; // the culvert diameter or span
    };

    std::array<Inputs, 2> inputs;
    std::array<modNEScour::ScourHoleDesignTexts, NumDesigns> results;
};
