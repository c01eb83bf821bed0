#pragma once

#include "general_design/CulvertInputContents.h"

#include <string>

// What the NE Plunge Basin Design window shows at one moment: the culvert
// block, the design discharge and tailwater depth as typed, and the results
// as the last Compute (or the project file) left them. The report prints it
// and the project file stores it.
struct PlungeBasinContents {
    CulvertInputContents culvert;
    std::string designQ;
    std::string tailwaterDepth;

    std::string equivPipeDiam;
    std::string designPipeDiam;
    std::string exitVelocity;
    std::string d50;
    std::string riprapThickness;
    std::string riprapClass; // the class label's caption, "CLASS:" when none
    std::string aDim;
    std::string cDim;
    std::string eDim;
    std::string tDim;
    std::string fDim;
    std::string totalLength;
    std::string w;
};
