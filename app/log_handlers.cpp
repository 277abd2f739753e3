#include "app/log_handlers.h"

#include <QByteArray>
#include <QString>
#include <cstdlib>

FILE *vexmora_log_output = nullptr;

void vexmora_disable_log(QtMsgType, const QMessageLogContext &, const QString &)
{
}

void vexmora_log(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    // An unassigned stream used to be dereferenced; fall back to stderr.
    FILE *out = vexmora_log_output ? vexmora_log_output : stderr;
    const QByteArray text = msg.toLocal8Bit();
    const char *file = context.file ? context.file : "";
    const char *function = context.function ? context.function : "";
    const unsigned line = unsigned(context.line);
    const char *prefix = "Debug";
    switch (type) {
    case QtDebugMsg: prefix = "Debug"; break;
    case QtWarningMsg: prefix = "Warning"; break;
    case QtCriticalMsg: prefix = "Critical"; break;
    case QtInfoMsg: prefix = "Info"; break;
    case QtFatalMsg: prefix = "Fatal"; break;
    }
    std::fprintf(out, "%s: %s (%s:%u, %s)\n", prefix, text.constData(), file, line, function);
    if (type == QtFatalMsg)
        std::abort();
}
