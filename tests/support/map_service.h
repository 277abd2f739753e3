#ifndef MAP_SERVICE_H
#define MAP_SERVICE_H

#include <QProcess>
#include <QString>
#include <memory>

class QWebEngineUrlRequestInterceptor;
class QWebEnginePage;

namespace kesptest {

// The map pages' outside services on 127.0.0.1: a python3 server answering
// tiles and the IP-geolocation request, and an interceptor on the default
// web profile sending every other http/https request there, so a page
// reaches nothing but this machine.  Points the GPS tab at its real pages: make it after the TempHome.
class MapService
{
public:
    // delayMs holds back the geolocation answer, as a slow service would.
    MapService(bool cors = true, double lat = -33.8688, double lon = 151.2093,
               const QString &city = QStringLiteral("Sydney"), int delayMs = 0);
    ~MapService();
    bool isReady() const { return m_port != 0; }
    quint16 port() const { return m_port; }

private:
    QProcess m_server;
    quint16 m_port = 0;
    std::unique_ptr<QWebEngineUrlRequestInterceptor> m_interceptor;
};

// Runs a script in the page and returns its result as text (empty when it
// did not answer within timeoutMs).
QString pageScript(QWebEnginePage *page, const QString &script, int timeoutMs = 10000);

} // namespace kesptest

#endif // MAP_SERVICE_H
