// The window's controls as data: name, kind, caption, container, place and size in twips, and
// place in the keyboard focus order. Form1 builds its widgets from this table.
#pragma once

#include <vector>

namespace kesta {

enum class ControlKind {
    Frame,           // a labelled group box
    BorderlessFrame, // no caption, no border: only groups one pair of option buttons
    Label,
    TextBox,
    ReportBox, // the multi-line report text box
    Option,
    CheckBox,
    List, // the closed drop-down list
    Button,
};

struct ControlSpec {
    const char* name; // object name; array elements as "InBroadhead_3"
    ControlKind kind;
    const char* caption;   // caption of frames, labels, options, buttons; design text of boxes
    const char* container; // "" for the window's client area
    int left, top, width, height; // twips, from the container's top-left corner
    int tab;                      // place in the focus order (labels and frames never take focus)
    bool selected;                // option selected in the design state
};

// Containers come before the controls they hold.
const std::vector<ControlSpec>& Form1Controls();

// 15 twips make one logical pixel (96 dpi); Qt scales logical pixels on high-dpi screens.
constexpr int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}

// The report box's design right and bottom edges, which the window opens wide enough to show.
constexpr int kReportBoxRightTwips = 6240 + 12495;
constexpr int kReportBoxBottomTwips = 14535;

// The form's design client area: every input control and button lies within it. A window
// smaller than this scrolls the form instead of cutting it.
constexpr int kFormRightTwips = 13380;
constexpr int kFormBottomTwips = 10995;

} // namespace kesta
