#include "window/ReportFont.h"

namespace kesta {

QFont ReportFont() {
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSizeF(8.25);
    return mono;
}

} // namespace kesta
