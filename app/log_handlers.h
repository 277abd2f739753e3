#ifndef LOG_HANDLERS_H
#define LOG_HANDLERS_H

#include <QtGlobal>
#include <cstdio>

// Stream vexmora_log writes to; standard error while nobody assigns one.
extern FILE *vexmora_log_output;

// Installed by main: drops every message, Qt's own warnings included.
void vexmora_disable_log(QtMsgType type, const QMessageLogContext &context, const QString &msg);

// A writing handler kept for debugging builds; main never installs it.
void vexmora_log(QtMsgType type, const QMessageLogContext &context, const QString &msg);

#endif // LOG_HANDLERS_H
