#pragma once

#include "FakeDialogs.h"
#include "general_design/FrmGenDesign.h"
#include "hydraulics/CatalogueTables.h"
#include "platform/FlexGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

// A small hand-made catalogue and a General Culvert Design window over it.
// The first inlet carries the example coefficients K 0.5, M 0.7, c 0.04,
// Y 0.8 (form 1, not mitered), for which a 3 ft circular barrel carrying
// 50 ft^3/s at a slope of 0.01 has a critical depth of about 2.30 ft and a
// normal depth of 1.84 ft (n 0.012).
class GenDesignWindow : public ::testing::Test {
public:
    static GenCulvertInlet Inlet(int id, const char* description, double ke) {
        return {id, description, ke, 1, 0.5, 0.7, 0.04, 0.8, 0};
    }

    static GenStandardSize Size(const char* label, int id, std::vector<double> feet, int barrels) {
        return {label, id, std::move(feet), barrels, {}};
    }

    static GenDesignCulvertType PipeType() {
        GenDesignCulvertType pipe;
        pipe.IDNum = 11;
        pipe.ComboText = "RCP: Reinforced Concrete Pipe";
        pipe.ShapeNum = 1;
        pipe.StandardSizeNum = 2;
        pipe.DisplayUnits = 1;
        pipe.DefaultManningN = 0.012;
        pipe.StdSizeCaption = "Concrete Pipe";
        pipe.Inlets = {{},
                       Inlet(101, "Square edge with headwall", 0.5),
                       Inlet(102, "Groove end with headwall", 0.2)};
        pipe.StdSizes = {{},
                         Size("36 (inches) - Single", 501, {0, 3.0}, 1),
                         Size("36 (inches) - Twin", 502, {0, 3.0}, 2)};
        pipe.NumSizeParameters = 1;
        pipe.SizeTexts = {"", "Diameter"};
        pipe.UserSizeNotes = " ";
        return pipe;
    }

protected:
    void SetUp() override {
        saved_ = GlobalVariables::GenDesignCulvertTypes;
        const GenDesignCulvertType pipe = PipeType();

        GenDesignCulvertType box;
        box.IDNum = 12;
        box.ComboText = "RCB: Reinforced Concrete Box";
        box.ShapeNum = 2;
        box.StandardSizeNum = 1;
        box.DisplayUnits = 2;
        box.DefaultManningN = 0.012;
        box.StdSizeCaption = "RC Box";
        box.Inlets = {{}, Inlet(201, "Wingwalls 30 to 75 degrees", 0.4)};
        box.StdSizes = {{}, Size("6 x 4 (feet) - Twin", 601, {0, 6.0, 4.0}, 2)};
        box.NumSizeParameters = 2;
        box.SizeTexts = {"", "Span", "Rise"};
        box.UserSizeNotes = "Span x Rise ";

        GenDesignCulvertType arch;
        arch.IDNum = 13;
        arch.ComboText = "SPA: Steel Pipe-Arch";
        arch.ShapeNum = 3;
        arch.StandardSizeNum = 9; // no standard sizes
        arch.DisplayUnits = 1;
        arch.DefaultManningN = 0.024;
        arch.Inlets = {{}, Inlet(301, "Projecting", 0.9)};
        arch.StdSizes = {{}};
        arch.NumSizeParameters = 5;
        arch.SizeTexts = {"", "Span", "Rise", "Bottom Radius", "Top Radius", "Corner Radius"};
        arch.UserSizeNotes = " ";

        GlobalVariables::GenDesignCulvertTypes = {{}, pipe, box, arch};
        area.resize(1200, 800);
        area.show();
        window = std::make_unique<FrmGenDesign>(area);
        window->Initialize();
    }

    void TearDown() override {
        window.reset();
        GlobalVariables::GenDesignCulvertTypes = saved_;
    }

    // Inverts 100 / 99, length 100: the example barrel's slope of 0.01.
    void TypeCulvert(const char* allowable = "") {
        window->TxtInletInvertElevation->setText("100");
        window->TxtOutletInvertElevation->setText("99");
        window->TxtCulvertBarrelLength->setText("100");
        window->TxtAllowableHeadWaterElevation->setText(allowable);
    }

    void DesignRow(int row, const char* q, const char* tw = "", bool ticked = true,
                   const char* period = "") {
        window->GrdDesignQs->SetTextMatrix(row, 1, period);
        window->GrdDesignQs->SetTextMatrix(row, 3, q);
        window->GrdDesignQs->SetTextMatrix(row, 4, tw);
        window->GrdDesignQs->SetCellChecked(row, 0, ticked);
    }

    QString Result(int row, int col) const { return window->GrdAllResults->TextMatrix(row, col); }

    FakeDialogs user;
    QMdiArea area;
    std::unique_ptr<FrmGenDesign> window;

private:
    std::vector<GenDesignCulvertType> saved_;
};
