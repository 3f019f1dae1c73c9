#include "window/Form1Layout.h"

namespace kesta {

namespace {
constexpr auto Frame = ControlKind::Frame;
constexpr auto Borderless = ControlKind::BorderlessFrame;
constexpr auto Label = ControlKind::Label;
constexpr auto Text = ControlKind::TextBox;
constexpr auto Report = ControlKind::ReportBox;
constexpr auto Option = ControlKind::Option;
constexpr auto Check = ControlKind::CheckBox;
constexpr auto List = ControlKind::List;
constexpr auto Button = ControlKind::Button;
constexpr bool Sel = true;
} // namespace

const std::vector<ControlSpec>& Form1Controls() {
    // clang-format off
    static const std::vector<ControlSpec> controls = {
        // On the window itself.
        {"txtReport", Report, "", "", 6240, 0, 12495, 14535, 56, false},
        {"Frame1", Frame, "Arrow Speed", "", 480, 150, 3495, 1305, 0, false},
        {"doReport", Button, "Report", "", 4560, 720, 855, 375, 57, false},
        {"ChosenImperic", Option, "Imperial", "", 4680, 1200, 855, 375, 58, Sel},
        {"Frame2", Frame, "Total Arrow Mass", "", 480, 1560, 3495, 855, 4, false},
        {"ChosenMetric", Option, "Metric", "", 4680, 1560, 855, 375, 59, false},
        {"Frame4", Frame, "Arrow Shaft", "", 480, 2520, 3495, 2655, 25, false},
        {"doPrint", Button, "Print", "", 4560, 2880, 855, 375, 60, false},
        {"Frame3", Frame, "Broadhead", "", 480, 5280, 5535, 3735, 8, false},
        {"Frame6", Frame, "Accuracy", "", 480, 9120, 4695, 1695, 39, false},

        // Arrow Speed.
        {"InArrowSpeed", Text, "", "Frame1", 240, 360, 1335, 375, 3, false},
        {"ArrowSpeedFPS", Option, "fps", "Frame1", 1680, 360, 615, 375, 2, Sel},
        {"ArrowSpeedM", Option, "m/s", "Frame1", 2520, 360, 615, 375, 1, false},
        {"DrawWeigth", Text, "", "Frame1", 1635, 855, 615, 315, 70, false},
        {"Label15", Label, "Draw weight", "Frame1", 360, 900, 960, 270, 72, false},
        {"Label14", Label, "lbs", "Frame1", 2415, 915, 510, 225, 71, false},

        // Total Arrow Mass.
        {"InArrowMass", Text, "", "Frame2", 240, 360, 1335, 375, 5, false},
        {"ArrowMassGr", Option, "grain", "Frame2", 1680, 480, 855, 255, 6, Sel},
        {"ArrowMassGram", Option, "gram", "Frame2", 2520, 480, 855, 255, 7, false},

        // Arrow Shaft.
        {"InArrowLength", Text, "", "Frame4", 240, 360, 1335, 375, 28, false},
        {"ArrowLengthInInches", Option, "inch", "Frame4", 1680, 480, 855, 255, 27, Sel},
        {"ArrowLengthInMM", Option, "mm", "Frame4", 2520, 480, 855, 255, 26, false},
        {"StaticSpine", Text, "", "Frame4", 1560, 840, 855, 405, 36, false},
        {"Label7", Label, "Static Spine", "Frame4", 570, 885, 855, 195, 34, false},
        {"GPI", Text, "", "Frame4", 1560, 1200, 855, 375, 37, false},
        {"Label8", Label, "Shaft Weight", "Frame4", 510, 1260, 930, 195, 35, false},
        {"Label9", Label, "gpi", "Frame4", 2520, 1320, 615, 255, 38, false},
        {"ShaftDiameter", List, "", "Frame4", 1080, 1800, 1815, 315, 62, false},
        {"Label3", Label, "Diameter", "Frame4", 285, 1860, 1215, 255, 61, false},

        // Broadhead.
        {"Label6", Label, "Weight", "Frame3", 360, 240, 615, 255, 29, false},
        {"BroadheadWeight", Text, "", "Frame3", 240, 480, 1215, 375, 30, false},
        {"Frame5", Borderless, "", "Frame3", 1800, 480, 1575, 255, 31, false},
        {"Label1", Label, "Blade height", "Frame3", 240, 960, 1335, 375, 10, false},
        {"Label2", Label, "Blade length", "Frame3", 1680, 960, 1215, 255, 22, false},
        {"InBroadhead_0", Text, "", "Frame3", 240, 1320, 1335, 375, 9, false},
        {"InBroadhead_1", Text, "", "Frame3", 1560, 1320, 1335, 375, 11, false},
        {"BroadheadInch", Option, "inch", "Frame3", 3000, 1320, 735, 375, 24, Sel},
        {"InBroadhead_2", Text, "", "Frame3", 240, 1680, 1335, 375, 12, false},
        {"InBroadhead_3", Text, "", "Frame3", 1560, 1680, 1335, 375, 13, false},
        {"BroadheadMM", Option, "mm", "Frame3", 3000, 1800, 735, 255, 23, false},
        {"InBroadhead_4", Text, "", "Frame3", 240, 2040, 1335, 375, 14, false},
        {"InBroadhead_5", Text, "", "Frame3", 1560, 2040, 1335, 375, 15, false},
        {"InBroadhead_6", Text, "", "Frame3", 240, 2400, 1335, 375, 16, false},
        {"InBroadhead_7", Text, "", "Frame3", 1560, 2400, 1335, 375, 17, false},
        {"Label4", Label, "Cutting Edge", "Frame3", 3000, 2400, 1215, 255, 64, false},
        {"inEdge", Text, "25", "Frame3", 4080, 2400, 495, 285, 63, false},
        {"Label5_0", Label, "degrees", "Frame3", 4680, 2400, 615, 255, 65, false},
        {"InBroadhead_8", Text, "", "Frame3", 240, 2760, 1335, 375, 18, false},
        {"InBroadhead_9", Text, "", "Frame3", 1560, 2760, 1335, 375, 19, false},
        {"Label13", Label, "Tip Angle", "Frame3", 3240, 2760, 735, 255, 67, false},
        {"inTip", Text, "60", "Frame3", 4080, 2760, 495, 285, 68, false},
        {"Label5_1", Label, "degrees", "Frame3", 4680, 2760, 615, 255, 69, false},
        {"InBroadhead_10", Text, "", "Frame3", 240, 3120, 1335, 375, 20, false},
        {"InBroadhead_11", Text, "", "Frame3", 1560, 3120, 1335, 375, 21, false},
        {"inCOC", Check, "cut - on - contact tip", "Frame3", 3120, 3120, 1935, 255, 66, false},

        // The broadhead weight unit pair.
        {"BroadheadweightGr", Option, "grain", "Frame5", 0, 0, 855, 255, 33, Sel},
        {"BroadheadweightInG", Option, "gram", "Frame5", 840, 0, 855, 255, 32, false},

        // Accuracy.
        {"Frame7", Borderless, "", "Frame6", 2400, 240, 1815, 495, 43, false},
        {"Label10", Label, "Distance", "Frame6", 360, 360, 630, 195, 40, false},
        {"Distance", Text, "", "Frame6", 1320, 360, 855, 285, 45, false},
        {"Label11", Label, "Grouping cumference", "Frame6", 360, 720, 930, 435, 41, false},
        {"Frame8", Borderless, "", "Frame6", 2400, 720, 1815, 495, 44, false},
        {"GroupingCirc", Text, "", "Frame6", 1320, 840, 975, 285, 46, false},
        {"Safety_0", Option, "0%", "Frame6", 1440, 1200, 615, 375, 51, false},
        {"Safety_1", Option, "25%", "Frame6", 2040, 1200, 735, 375, 52, false},
        {"Safety_2", Option, "50%", "Frame6", 2640, 1200, 615, 375, 53, false},
        {"Safety_3", Option, "75%", "Frame6", 3240, 1200, 615, 375, 54, false},
        {"Safety_4", Option, "100%", "Frame6", 3840, 1200, 735, 375, 55, Sel},
        {"Label12", Label, "Safety Factor", "Frame6", 360, 1320, 945, 195, 42, false},

        // The distance and grouping unit pairs.
        {"DistanceInyards", Option, "Yards", "Frame7", 120, 120, 735, 255, 47, Sel},
        {"DistanceInM", Option, "m", "Frame7", 1080, 120, 495, 255, 48, false},
        {"GroupingCircInI", Option, "inch", "Frame8", 120, 120, 735, 255, 49, Sel},
        {"GroupingCircInMM", Option, "mm", "Frame8", 1080, 120, 615, 255, 50, false},
    };
    // clang-format on
    return controls;
}

} // namespace kesta
