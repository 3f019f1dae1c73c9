// The names and tooltips the user sees for each input box.
#include "form/FormState.h"
#include "form/InputLabels.h"

#include <gtest/gtest.h>

#include <set>

namespace kesta {
namespace {

TEST(InputLabels, EveryBoxHasItsOwnNameAndATooltipWithATypicalValue) {
    std::set<std::string> labels;
    for (const std::string& box : FormState::TextBoxes()) {
        const std::string label = InputLabel(box);
        // Only "Distance" is its own label; no other control name is one a user knows.
        if (box != "Distance") {
            EXPECT_NE(label, box) << "no label for " << box;
        }
        EXPECT_TRUE(labels.insert(label).second) << "two boxes called " << label;
        EXPECT_NE(InputTooltip(box).find("Typical: "), std::string::npos) << box;
    }
}

TEST(InputLabels, BladeBoxesAreNamedByRow) {
    EXPECT_EQ(InputLabel("InBroadhead_0"), "Blade height, row 1");
    EXPECT_EQ(InputLabel("InBroadhead_4"), "Blade height, row 3");
    EXPECT_EQ(InputLabel("InBroadhead_11"), "Blade length, row 6");
    EXPECT_EQ(InputLabel("InArrowLength"), "Arrow length");
    // Not a box of the form: left as it is rather than given a wrong name.
    for (const char* name : {"InBroadhead_12", "InBroadhead_", "InBroadhead", "InBroadhead_1a",
                             "Safety_1", "report line 14"}) {
        EXPECT_EQ(InputLabel(name), name);
        EXPECT_EQ(InputTooltip(name), "");
    }
}

TEST(InputLabels, PlacesNameTheInputByItsLabel) {
    EXPECT_EQ(PlaceForUser("input InArrowLength"), "Arrow length");
    EXPECT_EQ(PlaceForUser("input InBroadhead_5"), "Blade length, row 3");
    EXPECT_EQ(PlaceForUser("report line 14, Dynamic Spine"), "report line 14, Dynamic Spine");
    EXPECT_EQ(PlaceForUser(""), "");
}

} // namespace
} // namespace kesta
