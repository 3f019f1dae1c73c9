#include "cli/QtMessages.h"

#include "cli/Output.h"

#include <QString>
#include <QtGlobal>

namespace kesta::cli {

namespace {

bool g_shown = false;

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (g_shown)
        Write(stderr, qFormatLogMessage(type, context, message).toLocal8Bit().toStdString() + "\n");
}

} // namespace

void FilterQtMessages(bool shown) {
    g_shown = shown;
    qInstallMessageHandler(Handle);
}

} // namespace kesta::cli
