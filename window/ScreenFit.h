// Secondary windows that fit the screen they open on, and close the way people expect.
#pragma once

class QWidget;

namespace kesta {

// Before a window is first shown: no larger than the available area of the screen `near` is
// on (less room for a window frame the system has not drawn yet), and placed over `near` with
// its whole frame on that screen.
void FitWindowOnScreen(QWidget& window, const QWidget& near);

// Esc and Ctrl+W close `window` wherever the focus is in it.
void AddCloseKeys(QWidget& window);

} // namespace kesta
