#ifndef MAP_PAGE_CALLS_H
#define MAP_PAGE_CALLS_H

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Script calls for the map page, held until the page can take them: the
// map view is made only when its tab is first shown, and a page runs calls
// only once it has loaded.  Until then the newest position is kept (older
// ones would only be drawn over) and every other call waits in order, so
// nothing that came early is lost.
class MapPageCalls
{
public:
    using Runner = std::function<void(const QString &script)>;

    // The position push.
    void push(double latitude, double longitude, bool first);
    // Any other call (track segments, a route search), run in order.
    void call(const QString &script);

    // The page has loaded: the kept position goes first, centred, so the
    // map opens on it, then the waiting calls; later calls run at once.
    void pageLoaded(Runner run);
    // A page is loading anew: hold calls again.
    void pageLoading();

private:
    struct Fix
    {
        double latitude;
        double longitude;
    };
    Runner m_run;
    std::optional<Fix> m_fix;
    QStringList m_calls;
};

#endif // MAP_PAGE_CALLS_H
