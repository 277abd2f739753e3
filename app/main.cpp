#include "app/log_handlers.h"
#include "app/mainwindow.h"
#include "app/translators.h"
#include "instruments/gl_check.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QLoggingCategory>
#include <QPixmap>
#include <QSplashScreen>
#include <QTextCodec>
#include <QTimer>
#include <QTranslator>

extern int qInitResources_images();

int main(int argc, char *argv[])
{
    qInstallMessageHandler(vexmora_disable_log);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    // No GL until a view needs it: the program then idles without a GL driver.
    GlCheck::deferSharedContext();
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));

    QTranslator firstTranslator;
    QTranslator secondTranslator;
    installTranslators(&firstTranslator, &secondTranslator);

    qInitResources_images();

    QPixmap splashImage(QStringLiteral(":images/software.png"));
    QSplashScreen splash(splashImage);
    splash.show();

    // Keep the splash up for at least three whole seconds, painting meanwhile.
    // A short repeating timer wakes the wait, so the loop blocks instead of spinning.
    QTimer wake;
    wake.start(20);
    const QDateTime start = QDateTime::currentDateTime();
    QDateTime latest = start;
    do {
        latest = QDateTime::currentDateTime();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    } while (start.secsTo(latest) < 3);
    wake.stop();

    MainWindow window;
    window.show();
    splash.finish(&window);

    return app.exec();
}
