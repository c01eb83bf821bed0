#pragma once

#include <string>
#include <vector>

// The agency's standard barrels: the size rows of the five families as loaded
// from the catalogue, each family's inlet-control constants, and the hand-over
// between the standard designs window and the families' design procedures.
// Texts of numbers are Numbers::GeneralText of the value.

// One concrete or corrugated metal pipe row: one diameter with one barrel count.
struct StdPipeSize {
    int IDNum = 0;
    std::string DiameterText;
    double DiameterIn = 0;
    std::string DiameterFtText;
    double DiameterFt = 0;
    int NumBarrels = 0;
};

// One RC box row (span = width, rise = height): one size with one barrel count.
struct StdRCBoxSize {
    int IDNum = 0;
    std::string WidthInText;
    double WidthIn = 0;
    std::string WidthFtText;
    double WidthFt = 0;
    std::string HeightInText;
    double HeightIn = 0;
    std::string HeightFtText;
    double HeightFt = 0;
    int NumBarrels = 0;
};

// One pipe-arch row. The span and rise texts are the catalogue's own and are
// shown as they stand; the radii stand in the order bottom, corner, top.
struct StdPipeArchSize {
    int ID = 0;
    std::string SpanText;
    std::string RiseText;
    double SpanIn = 0;
    double RiseIn = 0;
    double BRIn = 0;
    double CRIn = 0;
    double TRIn = 0;
    double SpanFt = 0;
    double RiseFt = 0;
    double BRFt = 0;
    double CRFt = 0;
    double TRFt = 0;
    int NumBarrels = 0;
};

// The inlet-control constants of one family; zeros until loaded. A form other
// than 1 or 2 gives an unsubmerged ratio of 0.
struct InletCoeffSet {
    double c = 0;
    double Y = 0;
    double K = 0;
    double M = 0;
    int UnSubEqNum = 0;
};

// What the standard designs window asks of every family (feet, ft^3/s, ft/ft).
struct StdDesignInput {
    double Q = 0;
    double HMax = 0;
    double HMin = 0;
    double Slope = 0;
    double InletInvertElev = 0;
};

// One family's designs for one input: Rows holds entries 0 to n for the n
// size rows of the family, entry 0 empty. H is the head above the crown (HWi
// less the rise), HWi the inlet-control headwater depth, HWiElev its elevation.
template <class Row> struct StdDesignResults {
    double Q = 0;
    double Slope = 0;
    double HMin = 0;
    double HMax = 0;
    double InletInvertElev = 0;
    std::vector<Row> Rows;
};

struct StdPipeDesignRow {
    int NumBarrels = 0;
    double QBarrel = 0;
    std::string DiameterText;
    double DiameterIn = 0;
    std::string DiameterFtText;
    double DiameterFt = 0;
    double HWD = 0;
    double H = 0;
    double HWi = 0;
    double HWiElev = 0;
};

struct StdBoxDesignRow {
    int NumBarrels = 0;
    double QBarrel = 0;
    std::string WidthInText;
    double WidthIn = 0;
    std::string WidthFtText;
    double WidthFt = 0;
    std::string HeightInText;
    double HeightIn = 0;
    std::string HeightFtText;
    double HeightFt = 0;
    double HWD = 0;
    double H = 0;
    double HWi = 0;
    double HWiElev = 0;
};

// The radii stand in the order bottom, top, corner, as inlet control takes them.
struct StdArchDesignRow {
    int NumBarrels = 0;
    double QBarrel = 0;
    std::string SpanText;
    std::string RiseText;
    double SpanFt = 0;
    double RiseFt = 0;
    double BRFt = 0;
    double TRFt = 0;
    double CRFt = 0;
    double HWD = 0;
    double H = 0;
    double HWi = 0;
    double HWiElev = 0;
};
