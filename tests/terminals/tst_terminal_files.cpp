// Every place that overwrites a file the user chose (the serial, UDP and
// TCP Export, the Hex save), against writes that fail: the old file stays
// whole, no temporary file is left, and the message tells a failed write
// from a failed open.
#include "app/mainwindow.h"
#include "terminals/file_dialogs.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"
#include "utilities/vexmora_hex_tools.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace kesptest;

namespace {

QString g_answer;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TerminalFilesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;
    std::unique_ptr<MainWindow> w;
    std::unique_ptr<PtyPair> pty;
    QUdpSocket udpPeer;
    QTcpSocket tcpPeer;
    QTemporaryDir dir;
    vexmora_hex_tools *hex = nullptr;

    // Received text well past the size limit, in every terminal's view.
    QByteArray received() const
    {
        QByteArray data;
        for (int i = 0; i < 100; ++i)
            data += "received line " + QByteArray::number(i) + "\n";
        return data;
    }
    bool shown(const char *view)
    {
        auto *text = child<QPlainTextEdit>(*w, view);
        return waitFor([&] { return text->toPlainText().contains("received line 99"); });
    }

private slots:
    void initTestCase()
    {
        home = std::make_unique<TempHome>(quietIni());
        w = std::make_unique<MainWindow>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        FileDialogs::setOpenHook([](const QString &, const QString &, const QString &) { return g_answer; });
        FileDialogs::setSaveHook([](const QString &, const QString &, const QString &) { return g_answer; });

        pty = std::make_unique<PtyPair>();
        QVERIFY(pty->isReady());
        choosePort(*w, "portNameComboBox", pty->deviceA());
        press(*w, "opencompushButton");
        QCOMPARE(status(*w), QStringLiteral("Serial opened"));
        QVERIFY(pty->writeFar(received()));
        QVERIFY(shown("COM_StrTextBrowser"));

        const quint16 udpPort = freeUdpPort();
        child<QLineEdit>(*w, "UDPSenderPortlineEdit")->setText(QString::number(udpPort));
        press(*w, "UDPopencompushButton");
        udpPeer.writeDatagram(received(), QHostAddress::LocalHost, udpPort);
        QVERIFY(shown("UDP_StrTextBrowser"));

        const quint16 tcpPort = freeTcpPort();
        child<QComboBox>(*w, "TCP_comboBox")->setCurrentText("TCP Server");
        child<QLineEdit>(*w, "TCPServerPortlineEdit")->setText(QString::number(tcpPort));
        press(*w, "TCPopencompushButton");
        tcpPeer.connectToHost(QHostAddress::LocalHost, tcpPort);
        QVERIFY(tcpPeer.waitForConnected(5000));
        tcpPeer.write(received());
        QVERIFY(shown("TCP_StrTextBrowser"));

        hex = w->findChild<vexmora_hex_tools *>();
        QVERIFY(hex);
        QFile bytes(dir.filePath("bytes.bin"));
        QVERIFY(bytes.open(QIODevice::WriteOnly) && bytes.write(QByteArray(4096, 'h')) == 4096);
        bytes.close();
        g_answer = bytes.fileName();
        press(*hex, "openFile1Button");
        QVERIFY(hex->model(1));
    }
    void cleanupTestCase()
    {
        FileDialogs::setOpenHook({});
        FileDialogs::setSaveHook({});
        w.reset();
        home.reset();
    }

    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");

        const QString wrote = QStringLiteral("Save failed:Writing file %1 failed, the file is left as it was\n");
        const QString opened = QStringLiteral("Save failed:Open file %1 failed, can't save\n");
        for (const char *place : {"savetxtpushButton", "UDPsavetxtpushButton", "TCPsavetxtpushButton"}) {
            QTest::addRow("%s, disk limit", place) << place << "old.txt" << wrote + "File too large";
            QTest::addRow("%s, full device", place) << place << "full" << wrote + "No space left on device";
            QTest::addRow("%s, missing folder", place) << place << "gone/old.txt" << opened;
        }
        QTest::newRow("hex, disk limit") << "hex" << "old.txt" << "Failed to write to file.";
        QTest::newRow("hex, full device") << "hex" << "full" << "Failed to write to file.";
        QTest::newRow("hex, missing folder") << "hex" << "gone/old.txt" << "Failed to open file for writing.";
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, place);
        QFETCH(QString, target);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath(target);
        const QByteArray old = "the old file, whole\n";
        if (target == "old.txt") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        }
        // A device of our own, like /dev/full: the system's stays out of reach.
        if (target == "full" && ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0)
            QSKIP("no permission to make a device node");
        ModalCloser closer;
        {
            std::optional<FileSizeLimit> limit;
            if (target == "old.txt")
                limit.emplace(512);
            if (place == "hex") {
                QVERIFY(!hex->writeTo(1, path));
            } else {
                g_answer = path;
                press(*w, place.toLatin1().constData());
            }
        }
        if (target == "old.txt")
            QCOMPARE(readAll(path), old);
        if (target == "full")
            QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
        const QStringList left = QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden
                                                               | QDir::NoDotAndDotDot);
        QCOMPARE(left, target.contains('/') ? QStringList() : QStringList{target});
        if (place == "hex") {
            QCOMPARE(closer.count(), 1);
            QCOMPARE(closer.texts.last(), message);
        } else {
            QCOMPARE(closer.count(), 0);
            const QString shownMessage = status(*w);
            QVERIFY2(shownMessage.startsWith(message.arg(path)), qPrintable(shownMessage));
        }
    }
};

KESP_TEST_MAIN(TerminalFilesTest)
#include "tst_terminal_files.moc"
