#include "tests/support/map_service.h"
#include "tests/support/kesp_test_support.h"

#include <QWebEnginePage>

#include "positioning/gps_map_pages.h"

#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

namespace kesptest {

namespace {

class LocalOnly : public QWebEngineUrlRequestInterceptor
{
public:
    explicit LocalOnly(quint16 port)
        : m_port(port)
    {
    }
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        QUrl url = info.requestUrl();
        if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
            return;
        if (url.host() == QLatin1String("127.0.0.1") && url.port() == m_port)
            return;
        url.setScheme(QStringLiteral("http"));
        url.setHost(QStringLiteral("127.0.0.1"));
        url.setPort(m_port);
        info.redirect(url);
    }

private:
    quint16 m_port;
};

} // namespace

MapService::MapService(bool cors, double lat, double lon, const QString &city, int delayMs)
{
    m_server.start(QStringLiteral("python3"),
                   {QStringLiteral(KESP_SUPPORT_DIR "/map_service.py"), cors ? QStringLiteral("1") : QStringLiteral("0"),
                    QString::number(lat, 'f', 6), QString::number(lon, 'f', 6), city, QString::number(delayMs)});
    if (!m_server.waitForStarted(10000))
        return;
    for (int i = 0; i < 100 && !m_server.canReadLine(); ++i)
        m_server.waitForReadyRead(100);
    m_port = m_server.readLine().trimmed().toUShort();
    m_interceptor = std::make_unique<LocalOnly>(m_port);
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(m_interceptor.get());
    GpsMapPages::openStreetMap = QStringLiteral("qrc:/html/images/openstreetmap.html");
    GpsMapPages::baidu = QStringLiteral("qrc:/html/images/BaiduMap.html");
}

MapService::~MapService()
{
    // Later windows of the same program get blank pages again.
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr);
    GpsMapPages::openStreetMap = QStringLiteral("about:blank");
    GpsMapPages::baidu = QStringLiteral("about:blank");
    m_server.kill();
    m_server.waitForFinished(3000);
}

QString pageScript(QWebEnginePage *page, const QString &script, int timeoutMs)
{
    QString got;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant &v) {
        got = v.toString();
        done = true;
    });
    waitFor([&] { return done; }, timeoutMs);
    return got;
}

} // namespace kesptest
