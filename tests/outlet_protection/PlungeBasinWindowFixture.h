#pragma once

#include "FakeDialogs.h"
#include "hydraulics/CatalogueTables.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/modPlungeBasin.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

// A small hand-made catalogue and an NE Plunge Basin Design window over it:
// a concrete pipe in inches (36 in. single and twin), a concrete box in feet
// (4 x 3 single), a pipe-arch without standard sizes and a box without inlets.
// The inlet coefficients are those of a square-edged inlet; with level
// inverts and the tailwater above the crown, the exit velocity is the
// discharge over the barrel's full area whatever they are.
class PlungeBasinWindow : public ::testing::Test {
public:
    static GenCulvertInlet Inlet(int id, const char* description, double ke) {
        return {id, description, ke, 1, 0.5, 0.7, 0.04, 0.8, 0};
    }

    static GenStandardSize Size(const char* label, int id, std::vector<double> feet, int barrels,
                                std::vector<std::string> texts) {
        return {label, id, std::move(feet), barrels, std::move(texts)};
    }

    static std::vector<GenDesignCulvertType> Catalogue() {
        GenDesignCulvertType pipe;
        pipe.IDNum = 11;
        pipe.ComboText = "RCP: Reinforced Concrete Pipe";
        pipe.ShapeNum = 1;
        pipe.DisplayUnits = 1;
        pipe.DefaultManningN = 0.012;
        pipe.StdSizeCaption = "Concrete Pipe";
        pipe.Inlets = {{},
                       Inlet(101, "Square edge with headwall", 0.5),
                       Inlet(102, "Groove end with headwall", 0.2)};
        pipe.StdSizes = {{},
                         Size("36 (inches) - Single", 501, {0, 3.0}, 1, {"", "36"}),
                         Size("36 (inches) - Twin", 502, {0, 3.0}, 2, {"", "36"})};
        pipe.NumSizeParameters = 1;
        pipe.SizeTexts = {"", "Diameter"};
        pipe.UserSizeNotes = " ";

        GenDesignCulvertType box;
        box.IDNum = 12;
        box.ComboText = "RCB: Reinforced Concrete Box";
        box.ShapeNum = 2;
        box.DisplayUnits = 2;
        box.DefaultManningN = 0.013;
        box.StdSizeCaption = "RC Box";
        box.Inlets = {{}, Inlet(201, "Wingwalls 30 to 75 degrees", 0.4)};
        box.StdSizes = {{}, Size("4 x 3 (feet) - Single", 601, {0, 4.0, 3.0}, 1, {"", "4", "3"})};
        box.NumSizeParameters = 2;
        box.SizeTexts = {"", "Span", "Rise"};
        box.UserSizeNotes = "Span x Rise ";

        GenDesignCulvertType arch;
        arch.IDNum = 13;
        arch.ComboText = "SPA: Steel Pipe-Arch";
        arch.ShapeNum = 3;
        arch.DisplayUnits = 1;
        arch.DefaultManningN = 0.024;
        arch.Inlets = {{}, Inlet(301, "Projecting", 0.9)};
        arch.StdSizes = {{}};
        arch.NumSizeParameters = 5;
        arch.SizeTexts = {"", "Span", "Rise", "Bottom Radius", "Top Radius", "Corner Radius"};

        GenDesignCulvertType bare = box;
        bare.IDNum = 14;
        bare.ComboText = "XB: Box without inlets";
        bare.Inlets = {{}};

        return {{}, pipe, box, arch, bare};
    }

protected:
    enum TypePosition { Pipe, Box, Arch, Bare };

    void SetUp() override {
        saved_ = GlobalVariables::GenDesignCulvertTypes;
        GlobalVariables::GenDesignCulvertTypes = Catalogue();
        modPlungeBasin::InitializeBasinTable();
        area.resize(1400, 1000);
        area.show();
        window = std::make_unique<frmNEPlungeBasin>(area);
        window->Initialize();
    }

    void TearDown() override {
        window.reset();
        GlobalVariables::GenDesignCulvertTypes = saved_;
    }

    CulvertInputBlock& Culvert() { return *window->Frame2; }

    // Level inverts, so that the exit velocity is the outlet's alone.
    void TypeCulvert(TypePosition type, const char* q, const char* tw) {
        Culvert().CmboCulvertType->setCurrentIndex(type);
        Culvert().TxtInletInvertElevation->setText("100");
        Culvert().TxtOutletInvertElevation->setText("100");
        Culvert().TxtCulvertBarrelLength->setText("50");
        window->txtDesignQ->setText(q);
        window->txtTailwaterDepth->setText(tw);
    }

    void Compute() { window->cmdCompute->click(); }

    FakeDialogs user;
    QMdiArea area;
    std::unique_ptr<frmNEPlungeBasin> window;

private:
    std::vector<GenDesignCulvertType> saved_;
};
