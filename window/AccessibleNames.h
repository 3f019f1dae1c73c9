// What a screen reader calls each control of the window: a name a person understands for
// every input, button and the report box, and the labels that stand beside a box as its
// buddies. The layout table holds only captions, and many controls share one ("inch", "mm")
// or have none (the fifteen broadhead boxes).
#pragma once

class QWidget;

namespace kesta {

// Sets the accessible names and the label buddies of the controls under `window`, and gives
// every input box a tooltip (what to type, the unit, a typical value).
void NameControlsForScreenReaders(QWidget& window);

} // namespace kesta
