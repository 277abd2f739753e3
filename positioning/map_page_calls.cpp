#include "positioning/map_page_calls.h"

#include "positioning/map_script.h"

#include <utility>

void MapPageCalls::push(double latitude, double longitude, bool first)
{
    if (m_run)
        m_run(MapScript::push(latitude, longitude, first).join(QLatin1Char(';')));
    else
        m_fix = Fix{latitude, longitude};
}

void MapPageCalls::call(const QString &script)
{
    if (m_run)
        m_run(script);
    else
        m_calls << script;
}

void MapPageCalls::pageLoaded(Runner run)
{
    m_run = std::move(run);
    if (!m_run)
        return;
    if (m_fix)
        m_run(MapScript::push(m_fix->latitude, m_fix->longitude, true).join(QLatin1Char(';')));
    m_fix.reset();
    // One call each: a script that fails in the page must not take the
    // ones after it down too.
    const QStringList calls = std::exchange(m_calls, {});
    for (const QString &script : calls)
        m_run(script);
}

void MapPageCalls::pageLoading()
{
    m_run = nullptr;
}
