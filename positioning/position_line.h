#ifndef POSITION_LINE_H
#define POSITION_LINE_H

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Position lines "Latitude:<lat>,Longitude:<lon>\r\n": the position file's
// records, the position server's wire form and the track replay's input.
namespace PositionLine {

struct Fix
{
    QString latitude;
    QString longitude;
    bool operator==(const Fix &o) const { return latitude == o.latitude && longitude == o.longitude; }
};

// The two texts of a line; nothing when "Latitude:" or "Longitude:" is missing.
[[nodiscard]] std::optional<Fix> parse(const QString &line);

// A finite number, or nothing: only such values reach a page's script.
[[nodiscard]] std::optional<double> number(const QString &text);

enum class Check { Ok, NotNumber, OutOfRange };

// Ok when both texts are finite numbers and name a place on the globe:
// latitude -90 to 90, longitude -180 to 180.  Only such fixes are saved
// or reach a map.
[[nodiscard]] Check check(const Fix &fix);

// The 0,0 pair a receiver without a fix reports; never saved.
[[nodiscard]] bool isNull(const Fix &fix);

// One record of the position file.
[[nodiscard]] QByteArray record(const QString &latitude, const QString &longitude);

// Cuts one peer's byte stream into lines (LF ends a line, a CR before it
// goes).  A line longer than maxLine is dropped whole, and its bytes are
// not kept while they arrive, so a peer that never ends a line costs at
// most maxLine bytes.
class LineBuffer
{
public:
    static constexpr int maxLine = 4096;
    [[nodiscard]] QList<QByteArray> feed(const QByteArray &bytes);
    int dropped() const { return m_dropped; }

private:
    QByteArray m_pending;
    bool m_skipping = false;
    int m_dropped = 0;
};

struct Segment
{
    Fix from;
    Fix to;
};

// The track replay's chain: every fix after the first gives a segment from
// the fix before it, except a repeat of that fix once a segment exists.
class ReplayChain
{
public:
    [[nodiscard]] std::optional<Segment> add(const Fix &fix);

private:
    std::optional<Fix> m_previous;
    bool m_drawn = false;
};

} // namespace PositionLine

#endif // POSITION_LINE_H
