// The type of the report wherever it is shown or printed: the window's report box, the two
// reports of the compare window and the printed page.
#pragma once

#include <QFont>

namespace kesta {

// Courier New (or the system's typewriter face) at 8.25 pt, as the report box has always had.
QFont ReportFont();

} // namespace kesta
