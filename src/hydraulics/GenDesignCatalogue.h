#pragma once

#include <string>
#include <vector>

// The culvert-type catalogue that the design windows offer: each type's shape,
// units, default Manning n, inlets, user size captions and standard sizes.
// Built once at start-up into GlobalVariables::GenDesignCulvertTypes
// (CatalogueTables.h), after the five standard size tables. Lists keep entry 0
// empty; list position p of a window shows entry p + 1.

// One inlet of a culvert type, with its entrance loss and inlet-control constants.
struct GenCulvertInlet {
    int InletID = 0;
    std::string Description;
    double Ke = 0;
    int UnSubEqNum = 0;
    double K = 0;
    double M = 0;
    double c = 0;
    double Y = 0;
    int MiteredFlag = 0;
};

// One standard size of a type: one family row, so one barrel count of a size.
// SizesFt: 1 diameter; or 1 span, 2 rise; or 1 span, 2 rise, 3 bottom radius,
// 4 top radius, 5 corner radius (feet). DisplayTexts: the size numbers in the
// type's display unit (1 for circular, 1 and 2 for box and pipe-arch).
struct GenStandardSize {
    std::string Label;
    int StdIDNum = 0;
    std::vector<double> SizesFt;
    int NumBarrels = 0;
    std::vector<std::string> DisplayTexts;
};

// ShapeNum: 1 circular, 2 box, 3 pipe-arch. StandardSizeNum: 1 RC box,
// 2 concrete pipe, 3 corrugated metal pipe, 4 RC arch pipe, 5 steel pipe-arch,
// other: no standard sizes. DisplayUnits: 1 inches, 2 feet. SizeTexts: entries
// 0 to NumSizeParameters, the captions of the size values from entry 1.
struct GenDesignCulvertType {
    int IDNum = 0;
    std::string ShortLabel;
    std::string LongLabel;
    std::string ComboText;
    int ShapeNum = 0;
    int StandardSizeNum = 0;
    int DisplayUnits = 0;
    double DefaultManningN = 0;
    std::string StdSizeCaption;
    std::vector<GenCulvertInlet> Inlets;
    std::vector<GenStandardSize> StdSizes;
    int NumSizeParameters = 0;
    std::vector<std::string> SizeTexts;
    std::string UserSizeNotes;
};

namespace GenDesign {

// The types (TblGenDesignCulvertTypesQuery) and each type's inlets
// (TblGenCulvertInletsQuery) from the catalogue database.
void LoadGenDesignCulvertTypes();

// Each type's standard-size caption and list, from the family table its
// StandardSizeNum names.
void BuildStandardSizeLists();

// The list text of a standard size: "15 (inches) - Single", "6 x 4 (feet) - Twin".
// aIn, bIn are the first and second size number in inches, aFt, bFt in feet.
std::string FormatStandardSizeLabel(double aIn, double bIn, double aFt, double bFt, int shape,
                                    int units, int barrels);

// The size numbers as text in the display unit, for the reports.
void SetStandardSizeDisplayTexts(double aIn, double bIn, double aFt, double bFt, int shape,
                                 int units, std::vector<std::string>& texts);

// "Single", "Twin", "Triple" for 1, 2, 3 barrels; a single blank otherwise.
std::string GetBarrelCountWord(int n);

// "inches" for 1, "feet" for 2; empty otherwise.
std::string GetUnitsWord(int code);

} // namespace GenDesign
