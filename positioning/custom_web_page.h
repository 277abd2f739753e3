#ifndef CUSTOM_WEB_PAGE_H
#define CUSTOM_WEB_PAGE_H

#include <QWebEnginePage>

// Map page whose JavaScript alerts show as the program's own message box.
class CustomWebPage : public QWebEnginePage
{
    Q_OBJECT
public:
    explicit CustomWebPage(QObject *parent = nullptr);

protected:
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
};

#endif // CUSTOM_WEB_PAGE_H
