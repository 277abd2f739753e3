#include "positioning/custom_web_page.h"

#include <QMessageBox>

CustomWebPage::CustomWebPage(QObject *parent)
    : QWebEnginePage(parent)
{
}

void CustomWebPage::javaScriptAlert(const QUrl &, const QString &msg)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Message"), msg, QMessageBox::Ok);
    box.exec();
}
