// Loads pairs of random files (1 % of bytes changed) into the hex tools
// window and reports: time to first paint, difference rows, searches for
// "DE AD BE EF" and the worst case "00", the worst lateness of a 10 ms GUI
// timer while paging through both tables, and the peak memory growth; with
// cmp -l and grep timed on the same files in the same run.
//
//   bench_hex_compare [MiB ...]      (default: 1 16 64)
//
// Run it under a display (xvfb-run).
#include "terminals/file_dialogs.h"
#include "tests/support/kesp_test_support.h"
#include "utilities/diff_widget.h"
#include "utilities/hex_bytes.h"
#include "utilities/hex_table_model.h"
#include "utilities/vexmora_hex_tools.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include "instruments/gl_check.h"

using namespace kesptest;

namespace {

// Starts a new peak-memory period (Linux: writing 5 to clear_refs resets VmHWM).
void resetPeak()
{
    QFile f("/proc/self/clear_refs");
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

double timeShell(const QString &command)
{
    QElapsedTimer t;
    t.start();
    QProcess::execute("sh", {"-c", command});
    return t.nsecsElapsed() / 1e6;
}

double timeMs(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

// Counts paints of a viewport, so the first one after a load can be waited for.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void makePair(const QString &a, const QString &b, qint64 size)
{
    QRandomGenerator gen{quint32(size)};
    QByteArray data(size, '\0');
    gen.fillRange(reinterpret_cast<quint32 *>(data.data()), size / 4);
    // A few planted sequences so the search has something rare to find.
    for (qint64 at = 4096; at + 4 < size; at += size / 7)
        data.replace(at, 4, "\xDE\xAD\xBE\xEF", 4);
    QFile fa(a);
    fa.open(QIODevice::WriteOnly);
    fa.write(data);
    for (qint64 i = 0; i < size / 100; ++i)
        data[gen.bounded(size)] = char(gen.bounded(256));
    QFile fb(b);
    fb.open(QIODevice::WriteOnly);
    fb.write(data);
}

void run(qint64 mib)
{
    QTemporaryDir dir;
    const qint64 size = mib << 20;
    const QString a = dir.filePath("a.bin"), b = dir.filePath("b.bin");
    makePair(a, b, size);

    // Output straight to /dev/null would let cmp and grep stop at the first hit.
    const double cmpMs = timeShell(QStringLiteral("cmp -l %1 %2 | wc -l > /dev/null").arg(a, b));
    const double grepMs = timeShell(QStringLiteral("LC_ALL=C grep -obUaP '\\xDE\\xAD\\xBE\\xEF' %1 %2 | wc -l > /dev/null").arg(a, b));
    const double grep00Ms = timeShell(QStringLiteral("LC_ALL=C grep -obUaP '\\x00' %1 %2 | wc -l > /dev/null").arg(a, b));

    resetPeak();
    const long rssBefore = long(rssMB() * 1024);
    StallProbe probe;
    vexmora_hex_tools tool;
    tool.resize(1200, 900);
    tool.show();
    (void)QTest::qWaitForWindowExposed(&tool);
    auto *t1 = tool.findChild<QTableView *>("tableView1");
    auto *t2 = tool.findChild<QTableView *>("tableView2");
    PaintCounter painted;
    t2->viewport()->installEventFilter(&painted);

    QElapsedTimer clock;
    clock.start();
    probe.start();
    tool.load(1, a);
    spin(20);
    tool.load(2, b);
    waitFor([&] { return painted.paints > 0; }, 60000);
    const double firstPaintMs = clock.nsecsElapsed() / 1e6;
    const qint64 loadStall = probe.worstLatenessMs();

    auto *bar = tool.findChild<DiffWidget *>();
    const double rowsMs = timeMs([&] { bar->updateDiffs(); });
    auto *search = tool.findChild<QLineEdit *>("searchInput");
    const double searchMs = timeMs([&] { search->setText("DE AD BE EF"); });
    const qsizetype rareHits = tool.hits().size();
    const double search00Ms = timeMs([&] { search->setText("00"); });
    const qsizetype zeroHits = tool.hits().size();
    search->clear();

    probe.start();
    t1->setFocus();
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(i % 2 ? t2 : t1, Qt::Key_PageDown);
        spin(10);
    }
    const qint64 pagingStall = probe.worstLatenessMs();
    probe.stop();
    const long peakGrowth = long(peakRssMB() * 1024) - rssBefore;

    std::printf("%3lld MiB: first paint %7.1f ms (worst GUI lateness %lld ms) | difference rows %7.1f ms, "
                "%lld rows (cmp -l %7.1f ms, ratio %.2f)\n",
                (long long)mib, firstPaintMs, (long long)loadStall, rowsMs, (long long)bar->differingRows().size(),
                cmpMs, rowsMs / cmpMs);
    std::printf("         search DE AD BE EF %6.1f ms, %lld hits (grep %6.1f ms, ratio %.2f) | "
                "search 00 %7.1f ms, %lld hits (grep %7.1f ms)\n",
                searchMs, (long long)rareHits, grepMs, searchMs / grepMs, search00Ms, (long long)zeroHits, grep00Ms);
    std::printf("         paging: worst lateness of a 10 ms timer %lld ms | peak memory growth %ld KiB "
                "(%.2f x the two files)\n",
                (long long)pagingStall, peakGrowth, peakGrowth / (2.0 * size / 1024.0));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    TempHome home(quietIni());
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    QList<qint64> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QByteArray(argv[i]).toLongLong();
    if (sizes.isEmpty())
        sizes = {1, 16, 64};
    for (qint64 mib : sizes)
        run(mib);
    return 0;
}
