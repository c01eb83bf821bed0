#pragma once

#include <string>
#include <vector>

struct GenDesignCulvertType;
struct GenCulvertInlet;

// One design discharge through one culvert: the inputs that the design windows
// fill (once per culvert, then the discharge and tailwater per row) and the
// hydraulic results of one barrel. Elevations and lengths in feet, discharges
// in ft^3/s, velocities (in the texts) in ft/s.
struct GenDesignRecord {
    double Q = 0;       // total design discharge
    double QBarrel = 0; // Q / NumBarrels, the only discharge the computation uses
    double TWDepth = 0; // tailwater depth above the outlet invert
    double InletInvertElev = 0;
    double OutletInvertElev = 0;
    double BarrelLength = 0;
    std::string AllowableHWText; // as typed; not used by the computation
    int CulvertTypeIndex = 0;    // entry of GlobalVariables::GenDesignCulvertTypes, from 1
    int InletIndex = 0;          // entry of that type's Inlets, from 1
    double ManningN = 0;
    double Ke = 0;
    int UserSizeFlag = 0; // 1 typed by the user, 0 a standard size
    int StandardSizeIndex = 0;
    int NumSizes = 0; // 1 circular, 2 box, 5 pipe-arch
    // Entries 0 to NumSizes, used from 1: diameter; or span, rise; or span,
    // rise, bottom radius, top radius, corner radius (feet).
    std::vector<double> Sizes;
    int NumBarrels = 0;

    double HWElev = 0; // governing headwater elevation
    double HWHead = 0; // governing head above the crown at the inlet
    double ICHWElev = 0;
    double ICHead = 0;
    double OCHWElev = 0;
    double OCHead = 0;
    double CriticalDepth = 0; // at most the rise
    double NormalDepth = 0;   // 0 when undefined
    std::string NormalDepthText;
    // 0 search not converged, 1 found, 2 slope too small for normal depth,
    // 3 discharge above the open-channel maximum.
    int NormalDepthStatus = 0;
    std::string SlopeClassText;
    double Slope = 0; // (inlet invert - outlet invert) / length, with its sign
    std::string ICExitVelText;
    std::string OCExitVelText;
    std::string ExitVelText;
    double FullArea = 0; // full flow area of one barrel
};

namespace GenDesign {

// Why a computed design is not shown: a headwater, depth or exit velocity
// beyond what the results can show (Numbers::Showable), naming the inputs
// that drive it; empty when every result can be shown.
std::string ResultsOutOfRange(const GenDesignRecord& record);

// Slope and slope class, inlet- and outlet-control headwater, the governing
// control, critical and normal depth and the exit velocities of one barrel
// carrying record.QBarrel, written into the record's result fields. The
// culvert type and inlet are read from GlobalVariables::GenDesignCulvertTypes.
//
// Throws AppError: SubscriptOutOfRange for a type or inlet index outside the
// catalogue or sizes that do not fit their list; InvalidArgument for a barrel
// count below 1 or a shape number other than 1 to 3; DivisionByZero for a
// barrel length of 0 or an outlet flow area of 0 (no discharge and no
// tailwater); and whatever the section routines throw for sizes that form no
// barrel.
void ComputeCulvertForDesignQ(GenDesignRecord& record);

// The same for a culvert type and inlet given explicitly; the record's type,
// inlet and standard size indexes are not read.
void ComputeCulvertForDesignQ(GenDesignRecord& record, const GenDesignCulvertType& type,
                              const GenCulvertInlet& inlet);

} // namespace GenDesign
