#include "tests/support/test_base.h"

#include <QMutex>
#include <QRegularExpression>
#include <QStringList>

namespace kesptest {

namespace {

QtMessageHandler testlibHandler = nullptr;

// Printed by Qt itself, not by a fault of this program.
const QStringList &allowedWarnings()
{
    static const QStringList texts = {
    };
    return texts;
}

void strictHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && !allowedWarnings().contains(message)) {
        // Qt Test checks its ignore list first, so an expected warning
        // (QTest::ignoreMessage) still passes.
        static QMutex lock;
        QMutexLocker locker(&lock);
        QTest::failOnWarning(QRegularExpression(
            QRegularExpression::anchoredPattern(QRegularExpression::escape(message))));
    }
    testlibHandler(type, context, message);
}

} // namespace

int runStrict(QObject *testObject, int argc, char **argv)
{
    QTest::qInit(testObject, argc, argv);
    testlibHandler = qInstallMessageHandler(strictHandler);
    const int rc = QTest::qRun();
    qInstallMessageHandler(testlibHandler);
    QTest::qCleanup();
    return rc;
}

} // namespace kesptest
