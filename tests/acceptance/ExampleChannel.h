#pragma once

#include "tailwater/FrmTailWaterCrossSection.h"

// The example project's channel below the outlet, typed into the channel
// window: wooded overbanks (n 0.060) either side of a gravel main channel
// (n 0.040) between stations 48 and 64, on a slope of 0.004.
inline void TypeExampleChannel(FrmTailWaterCrossSection& channel) {
    const char* points[][3] = {
        {"0", "106.0", "0.060"},  {"15", "104.5", ""}, {"30", "103.2", ""}, {"42", "102.0", ""},
        {"48", "100.8", "0.040"}, {"52", "99.2", ""},  {"56", "98.9", ""},  {"60", "99.3", ""},
        {"64", "100.9", "0.060"}, {"76", "102.1", ""}, {"92", "103.8", ""}, {"110", "106.0", ""}};
    for (int r = 0; r < 12; ++r) {
        for (int c = 0; c < 3; ++c) {
            channel.SetPointCell(r + 1, c + 1, points[r][c]);
        }
    }
    channel.SetInputText(FrmTailWaterCrossSection::Input::ChannelSlope, "0.004");
    channel.SetInputText(FrmTailWaterCrossSection::Input::LeftOBStation, "48");
    channel.SetInputText(FrmTailWaterCrossSection::Input::RightOBStation, "64");
}
