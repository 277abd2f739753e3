#ifndef TOF_FRAME_H
#define TOF_FRAME_H

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// The depth frames of the "TOF" tab without any widget: which lines count
// as frames, how each sensor type's values are put into row order, and the
// arrangement tables that the grid, surface and heat map share.
namespace TofFrame {

constexpr int kMaxValues = 2268;

enum SensorType { VL53LMZ = 0, TMF8828 = 1, TMF8829 = 2, VL53L9 = 3 };

// The comma-separated fields of one line, empty ones dropped; a field that
// is no 32-bit decimal number reads 0.
[[nodiscard]] QList<int> splitValues(const QByteArray &line);
[[nodiscard]] bool acceptedCount(int count);

// The arrangement combo's text: index for grid and surface, heat-map size.
struct Arrangement
{
    int index = 1;
    int rows = 8;
    int cols = 8;
};
[[nodiscard]] Arrangement arrangementFor(const QString &text);
// Index -> grid and surface size; anything unknown is 8 x 8.
[[nodiscard]] int columnsOf(int index);
[[nodiscard]] int rowsOf(int index);

// Reverses each of the first `rows` rows of `cols` entries in place.
void mirrorRows(QList<int> &values, int rows, int cols);
[[nodiscard]] int tmf8828Destination(int sourceIndex);
void tmf8828Rearrange(const int *source, int *destination);
[[nodiscard]] int tmf8829Index(int deliveryIndex, int cols);

// The filter's last output per position (0: no history).
using FilterState = std::array<int, kMaxValues>;

// Applies one frame's fields for a sensor type to `values` (kept from frame
// to frame, at least kMaxValues long) and the filter state; returns how many
// leading values the views take, or 0 when the line is no frame.
int apply(QList<int> &values, FilterState &filter, int type, const QList<int> &parts, bool filterOn);

} // namespace TofFrame

#endif // TOF_FRAME_H
