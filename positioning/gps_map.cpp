// "GPS Debug" tab: track replay and route search on the map page.
#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "positioning/map_script.h"
#include "positioning/position_line.h"
#include "terminals/file_dialogs.h"

#include <QFile>
#include <QInputDialog>
#include <QPointer>

void MainWindow::GPSsearchdriving_triggered()
{
    bool ok = false;
    const QString address = QInputDialog::getText(nullptr, QStringLiteral("终点"),
                                                  QStringLiteral("请输入需要计算的终点地址；如：\"北京市长安街\"。"),
                                                  QLineEdit::Normal, QString(), &ok);
    if (ok)
        gpsMapCalls.call(MapScript::searchDriving(address));
}

void MainWindow::GPStrochoidpushButton_triggered()
{
    if (gpsReplaying)
        return;
    const QString name = FileDialogs::getOpenFileName(this, tr("read"), QString(), QStringLiteral("(*)"));
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ui->statusBar->showMessage(
            tr("Open failed: Failed to open this file, this may be due to insufficient permissions."), 0);
        return;
    }
    gpsReplaying = true;
    QPointer<MainWindow> alive(this);
    PositionLine::LineBuffer lines;
    PositionLine::ReplayChain chain;
    QStringList script;
    // Read in blocks through the bounded line buffer, so a binary file with
    // no line ends costs no memory; one script call per block keeps the
    // page's work close to a single call.
    auto handle = [&](const QList<QByteArray> &block) {
        for (const QByteArray &line : block) {
            const auto fix = PositionLine::parse(QString::fromUtf8(line));
            if (!fix || PositionLine::check(*fix) != PositionLine::Check::Ok)
                continue;
            if (const auto seg = chain.add(*fix))
                script << MapScript::segment(*PositionLine::number(seg->from.latitude),
                                             *PositionLine::number(seg->from.longitude),
                                             *PositionLine::number(seg->to.latitude),
                                             *PositionLine::number(seg->to.longitude));
        }
        if (!script.isEmpty())
            gpsMapCalls.call(script.join(QLatin1Char(';')));
        script.clear();
    };
    while (!file.atEnd()) {
        const QByteArray block = file.read(64 * 1024);
        if (block.isEmpty())
            break;
        handle(lines.feed(block));
        QCoreApplication::processEvents();
        if (!alive)
            return;
    }
    // The last line may lack its line end.
    handle(lines.feed(QByteArrayLiteral("\n")));
    file.close();
    gpsReplaying = false;
    ui->statusBar->showMessage(tr("Success for read the data in the file"), 0);
}
