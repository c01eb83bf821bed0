#pragma once

#include "ProgramFixture.h"
#include "tailwater/FrmTailWaterCrossSection.h"

// The whole program with the channel of the tailwater window tests at hand:
// a trapezoid 20 ft wide at 100 ft with 2:1 sides up to 105 ft and n 0.03.
class TailwaterProgramFixture : public ProgramTest {
protected:
    void TypeTrapezoid(const char* slope) {
        const char* points[4][3] = {
            {"0", "105", "0.03"}, {"10", "100", ""}, {"30", "100", ""}, {"40", "105", ""}};
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 3; ++c) {
                windows->tailwaterCrossSection->SetPointCell(r + 1, c + 1, points[r][c]);
            }
        }
        windows->tailwaterCrossSection->SetInputText(FrmTailWaterCrossSection::Input::ChannelSlope,
                                                     slope);
    }
};
