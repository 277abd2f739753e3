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
        // Item views, when the shared delegate hands an editor to the view
        // that did not open it.
        QStringLiteral("QAbstractItemView::commitData called with an editor that does not belong to this view"),
        QStringLiteral("QAbstractItemView::closeEditor called with an editor that does not belong to this view"),
        // Qt 3D's window sets the default surface format and brings up its
        // renderer.
        QStringLiteral("Warning: Setting a new default format with a different version or profile after the global "
                       "shared context is created may cause issues with context sharing."),
        QStringLiteral("Initializing RHI with OpenGL backend"),
        // The offscreen platform.
        QStringLiteral("This plugin does not support propagateSizeHints()"),
        // Qt Bluetooth on a machine without BlueZ or an adapter.
        QStringLiteral("Cannot find a compatible running Bluez. Please check the Bluez installation. "
                       "QtBluetooth requires at least BlueZ version 5."),
        QStringLiteral("Cannot open Bluetooth Management socket: Address family not supported by protocol"),
        QStringLiteral("Cannot determine bluetoothd version and required Bluetooth HCI ioctols"),
        QStringLiteral("Cannot find Bluez 5 adapter for device search false"),
        QStringLiteral("Cannot open HCI socket"),
        QStringLiteral("Cannot open HCI socket: \"Address family not supported by protocol\""),
        QStringLiteral("Using BlueZ kernel ATT interface"),
        QStringLiteral("Disabling Qt Bluetooth LE feature"),
        QStringLiteral("connectToDevice() LE controller has invalid adapter"),
        // Qt Bluetooth reading the test's peripheral, whose characteristic
        // may both notify and indicate.
        QStringLiteral("Both NTF and IND properties set for characteristic \"{6e400002-b5a3-f393-e0a9-e50e24dcca9e}\""),
        QStringLiteral("Overriding existing local service with uuid \"{00001800-0000-1000-8000-00805f9b34fb}\""),
        // Qt's socket engine, when a link ends while it still watches it.
        QStringLiteral("QSocketNotifier: Invalid socket specified"),
    };
    return texts;
}

// The font database names each installed font that lacks a script's
// tables, so only the text around the name is fixed.
bool allowed(const QString &message)
{
    static const QRegularExpression fontScript(QStringLiteral(R"(^  OpenType support missing for "[^"]*", script \d+$)"));
    return allowedWarnings().contains(message) || fontScript.match(message).hasMatch();
}

void strictHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && !allowed(message)) {
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
