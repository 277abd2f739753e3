// "Check Update" against a tiny HTTP server on 127.0.0.1: the outcome box,
// the browser call, the disabled window, error statuses and a stalled server.
#include "app/mainwindow.h"
#include "app/maker_site.h"
#include "app/shell_hooks.h"
#include "app/update_check.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

// Answers every GET with one fixed reply, or never answers at all.
class TinyHttp : public QObject
{
public:
    int status = 200;
    QByteArray body;
    bool stall = false;
    qint64 flood = 0, sent = 0; // flood: body bytes streamed after `body`, with no length given
    QStringList paths;
    std::function<void()> onRequest;

    quint16 start()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, this, [this, s] { serve(s); });
        });
        return m_server.listen(QHostAddress::LocalHost, 0) ? m_server.serverPort() : 0;
    }

private:
    void serve(QTcpSocket *s)
    {
        QByteArray &got = m_pending[s];
        got += s->readAll();
        if (!got.contains("\r\n\r\n"))
            return;
        paths << QString::fromLatin1(got.split(' ').value(1));
        if (onRequest)
            onRequest();
        if (stall)
            return;
        s->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: text/plain\r\n"
                 + (flood ? "" : "Content-Length: " + QByteArray::number(body.size()) + "\r\n")
                 + "Connection: close\r\n\r\n" + body);
        // Tops up as the client takes it: `sent` is what the client could read.
        const auto topUp = [this, s] {
            for (; s->state() == QAbstractSocket::ConnectedState && s->bytesToWrite() == 0 && sent < flood; sent += 65536)
                s->write(QByteArray(65536, ' '));
            if (sent >= flood)
                s->disconnectFromHost();
        };
        connect(s, &QTcpSocket::bytesWritten, this, topUp);
        topUp();
    }
    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

// Closes message boxes, remembering what they showed and offered.
struct BoxWatch : QObject
{
    QStringList titles, texts;
    QList<QMessageBox::StandardButtons> buttons;
    QList<bool> windowEnabled;
    QWidget *window = nullptr;
    QTimer timer;
    BoxWatch()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                if (!box || !box->isVisible())
                    continue;
                titles << box->windowTitle();
                texts << box->text();
                buttons << box->standardButtons();
                windowEnabled << window->isEnabled();
                box->done(QMessageBox::Cancel);
            }
        });
        timer.start(20);
    }
};

class UpdateCheckTest : public QObject
{
    Q_OBJECT
    std::function<bool(const QUrl &)> m_realOpen;
private slots:
    void initTestCase() { m_realOpen = ShellHooks::openUrl; }
    void cleanup()
    {
        UpdateCheck::requestTimeoutMs = 30000;
        ShellHooks::openUrl = m_realOpen;
    }

    void check_data()
    {
        QTest::addColumn<QString>("server"); // "serve", "refused", "stall"
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("opensPage");

        const QString lost = "Network connection lost. Please check your network settings.";
        QTest::newRow("newer") << "serve" << 200 << QByteArray("\"3.4.5\"\n") << "Found a new version." << true;
        QTest::newRow("latest") << "serve" << 200 << QByteArray("\"3.4.4\"\n") << "Already the latest version." << false;
        QTest::newRow("empty body") << "serve" << 200 << QByteArray() << lost << false;
        QTest::newRow("refused") << "refused" << 0 << QByteArray() << lost << false;
        // An error page must not be read as a version, even one that looks newer.
        QTest::newRow("404") << "serve" << 404 << QByteArray("\"9.9.9\"\n") << lost << false;
        QTest::newRow("500") << "serve" << 500 << QByteArray("<html>\"3.9.0\"\n</html>") << lost << false;
        QTest::newRow("stalled server") << "stall" << 0 << QByteArray() << lost << false;
        // A version file is a few bytes: a body without end is no version and is not read on.
        QTest::newRow("endless body") << "flood" << 200 << QByteArray("\"3.4.5\"\n") << lost << false;
    }

    void check()
    {
        QFETCH(QString, server);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QFETCH(bool, opensPage);

        kesptest::TempHome home(kesptest::quietIni());
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        TinyHttp http;
        http.status = status;
        http.body = body;
        http.stall = server == "stall";
        http.flood = server == "flood" ? 64 << 20 : 0;
        bool enabledAtRequest = true;
        http.onRequest = [&] { enabledAtRequest = w.isEnabled(); };
        const quint16 port = server == "refused" ? kesptest::freeTcpPort() : http.start();
        QVERIFY(port);
        MakerSite::versionFile = QString("http://127.0.0.1:%1/software/KESP_VERSION").arg(port);
        UpdateCheck::requestTimeoutMs = 1000;
        QList<QUrl> opened;
        ShellHooks::openUrl = [&](const QUrl &url) {
            opened << url;
            return true;
        };

        BoxWatch boxes;
        boxes.window = &w;
        QElapsedTimer clock;
        clock.start();
        w.findChild<QAction *>("actionCheck_Update")->trigger();
        const qint64 took = clock.elapsed();

        QCOMPARE(boxes.titles, QStringList{"Message"});
        QCOMPARE(boxes.texts, QStringList{text});
        QCOMPARE(boxes.buttons.value(0), QMessageBox::StandardButtons(QMessageBox::Cancel));
        QCOMPARE(boxes.windowEnabled.value(0), false);
        QVERIFY(w.isEnabled());
        QCOMPARE(opened, opensPage ? QList<QUrl>{QUrl("http://www.vexmora.com/software")} : QList<QUrl>{});
        if (server != "refused") {
            QCOMPARE(http.paths, QStringList{"/software/KESP_VERSION"});
            QVERIFY(!enabledAtRequest);
        }
        if (server == "stall") // the time limit, not the network layer, ended it
            QVERIFY2(took >= 900 && took < kesptest::bound(5000), qPrintable(QString::number(took)));
        QVERIFY2(http.sent < 4 << 20, qPrintable(QString::number(http.sent)));
    }
};

KESP_TEST_MAIN(UpdateCheckTest)
#include "tst_update_check.moc"
