// The "Hex" tab driven through its widgets on real files: loading through
// the dialog seam, go-to, search stepping, editing, saving (against a copy
// patched with dd), refused files, the difference bar and linked tables.
#include "app/mainwindow.h"
#include "terminals/file_dialogs.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"
#include "utilities/diff_widget.h"
#include "utilities/hex_table_model.h"
#include "utilities/vexmora_hex_tools.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace kesptest;

namespace {

QString g_answer;

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

int shell(const QString &command)
{
    return QProcess::execute("sh", {"-c", command});
}

bool isRed(const QColor &c)
{
    return c.red() > 200 && c.green() < 190 && c.blue() < 190;
}

// The colour in the corner of a cell, away from its text.
QColor cellColour(QTableView *view, int row, int column)
{
    const QRect rect = view->visualRect(view->model()->index(row, column));
    return view->viewport()->grab().toImage().pixelColor(rect.topLeft() + QPoint(2, 2));
}

bool rowSelected(QTableView *view, int row)
{
    return view->selectionModel() && view->selectionModel()->isRowSelected(row, QModelIndex());
}

void load(vexmora_hex_tools *tool, int side, const QString &path)
{
    g_answer = path;
    press(tool->findChild<QPushButton *>(side == 1 ? "openFile1Button" : "openFile2Button"));
}

void editByte(QTableView *view, int row, int column, const QString &typed)
{
    const QModelIndex index = view->model()->index(row, column);
    view->setCurrentIndex(index);
    view->edit(index);
    auto *editor = view->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits from the event loop.
    QVERIFY(waitFor([&] { return !view->viewport()->findChild<QLineEdit *>(); }));
}

} // namespace

class HexToolsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        home = std::make_unique<TempHome>(quietIni());
        FileDialogs::setOpenHook([](const QString &, const QString &, const QString &) { return g_answer; });
        FileDialogs::setSaveHook([](const QString &, const QString &, const QString &) { return g_answer; });
    }

    // The whole way through the main window's own tab.
    void compareSearchEditSave()
    {
        MainWindow w;
        w.resize(1200, 900);
        w.show();
        auto *tabs = child<QTabWidget>(w, "tabWidget");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == "Hex")
                tabs->setCurrentIndex(i);
        auto *tool = w.findChild<vexmora_hex_tools *>();
        QVERIFY(tool);
        auto *t1 = child<QTableView>(*tool, "tableView1");
        auto *t2 = child<QTableView>(*tool, "tableView2");
        auto *bar = tool->findChild<DiffWidget *>();
        ModalCloser closer;

        // 41 42 at offsets 4 and 36 of file 1 and 20 of file 2; file 2 is two rows longer.
        QByteArray base;
        for (int i = 0; i < 96; ++i)
            base.append(char(0x80 + i));
        QByteArray one = base.left(64);
        one.replace(4, 2, "AB");
        one.replace(36, 2, "AB");
        QByteArray two = base;
        two.replace(20, 2, "AB");
        const QString path1 = writeFile(dir.filePath("one.bin"), one);
        const QString path2 = writeFile(dir.filePath("two.bin"), two);

        QVERIFY(!t1->isVisible());
        load(tool, 1, path1);
        load(tool, 2, path2);
        QVERIFY(t1->isVisible() && t2->isVisible());
        QVERIFY(!child<QPushButton>(*tool, "openFile1Button")->isVisible());
        QVERIFY(child<QPushButton>(*tool, "saveFiel2pushButton")->isVisible());
        QCOMPARE(child<QGroupBox>(*tool, "groupBox_2")->title(), QStringLiteral("two.bin"));
        QCOMPARE(bar->differingRows(), (QList<int>{0, 1, 2, 4, 5}));
        QCOMPARE(closer.count(), 0);

        auto *address = child<QLineEdit>(*tool, "addressInput");
        auto goTo = [&](const QString &text) {
            address->setText(text);
            press(child<QPushButton>(*tool, "gotoButton"));
            QTest::qWait(60);
        };
        goTo("1F");
        QVERIFY(rowSelected(t1, 1) && rowSelected(t2, 1));
        goTo("40"); // no row 4 in file 1: nothing moves
        QVERIFY(rowSelected(t1, 1) && rowSelected(t2, 1));
        for (const QString bad : {"", "ZZ", "-1", "80000000"}) {
            const int before = closer.count();
            goTo(bad);
            QVERIFY2(waitFor([&] { return closer.count() == before + 1; }), qPrintable(bad));
            QCOMPARE(closer.titles.last(), QStringLiteral("Invalid Address"));
            QCOMPARE(closer.texts.last(), QStringLiteral("Please enter a valid hexadecimal address."));
        }
        goTo("-20");
        QVERIFY(!t1->selectionModel()->hasSelection() && !t2->selectionModel()->hasSelection());

        // Hits of file 1 first, then file 2; Next and Prev wrap.
        auto *search = child<QLineEdit>(*tool, "searchInput");
        QTest::keyClicks(search, "41 42");
        QCOMPARE(tool->hits().size(), 3);
        QCOMPARE(tool->hits().at(2).model(), static_cast<const QAbstractItemModel *>(tool->model(2)));
        QCOMPARE(tool->currentHit(), 0);
        QVERIFY(rowSelected(t1, 0));
        QList<int> rows;
        for (int i = 0; i < 3; ++i) {
            press(child<QPushButton>(*tool, "nextButton"));
            rows << tool->hits().at(tool->currentHit()).row();
        }
        QCOMPARE(rows, (QList<int>{2, 1, 0}));
        QVERIFY(rowSelected(t1, 0) && rowSelected(t2, 0));
        press(child<QPushButton>(*tool, "prevButton"));
        QCOMPARE(tool->currentHit(), 2);
        QVERIFY(rowSelected(t2, 1));
        QCOMPARE(closer.count(), 4);

        search->setText("41 43"); // no hit: quiet while typing, a box on Return
        QTest::qWait(60);
        QCOMPARE(closer.count(), 4);
        QTest::keyClick(search, Qt::Key_Return);
        QVERIFY(waitFor([&] { return closer.count() == 5; }));
        QCOMPARE(closer.titles.last(), QStringLiteral("Search"));
        QCOMPARE(closer.texts.last(), QStringLiteral("No results found."));
        search->clear();

        // A byte typed in table 2 turns the cell red in both tables at once.
        QVERIFY(!isRed(cellColour(t1, 0, 1)) && !isRed(cellColour(t2, 0, 1)));
        editByte(t2, 0, 1, "gab"); // the editor takes hex digits only
        QCOMPARE(quint8(tool->model(2)->getByteArray().at(0)), quint8(0xAB));
        QTest::qWait(60);
        QVERIFY(isRed(cellColour(t1, 0, 1)));
        QVERIFY(isRed(cellColour(t2, 0, 1)));
        QVERIFY(isRed(cellColour(t2, 4, 1)) && !isRed(cellColour(t2, 4, 0)));
        QVERIFY(tool->isModified(2));
        QCOMPARE(bar->differingRows(), (QList<int>{0, 1, 2, 4, 5}));

        // Save File2 equals the original patched with dd.
        const QString patched = dir.filePath("patched.bin");
        writeFile(patched, two);
        QCOMPARE(shell(QStringLiteral("printf '\\253' | dd of=%1 bs=1 seek=0 conv=notrunc 2>/dev/null").arg(patched)), 0);
        press(child<QPushButton>(*tool, "saveFiel2pushButton"));
        QVERIFY(waitFor([&] { return closer.count() == 6; }));
        QCOMPARE(closer.texts.last(), QStringLiteral("File saved successfully."));
        QCOMPARE(QProcess::execute("cmp", {"-s", path2, patched}), 0);
        QVERIFY(!tool->isModified(2));

        // A write that fails half-way leaves the original whole and the side modified.
        editByte(t1, 3, 16, "00");
        QVERIFY(tool->isModified(1));
        {
            FileSizeLimit limit(32);
            press(child<QPushButton>(*tool, "saveFiel1pushButton"));
        }
        QVERIFY(waitFor([&] { return closer.count() == 7; }));
        QCOMPARE(closer.titles.last(), QStringLiteral("Error"));
        QCOMPARE(closer.texts.last(), QStringLiteral("Failed to write to file."));
        QCOMPARE(readFile(path1), one);
        QVERIFY(tool->isModified(1));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3); // no temporary left behind

        QVERIFY(!tool->writeTo(1, dir.filePath("missing/one.bin")));
        QCOMPARE(closer.texts.last(), QStringLiteral("Failed to open file for writing."));
        QVERIFY(tool->isModified(1));

        // Closing the main window asks about file 1; Cancel keeps it open.
        w.close();
        QVERIFY(waitFor([&] { return closer.count() == 9; }));
        QCOMPARE(closer.titles.last(), QStringLiteral("Save Changes"));
        QCOMPARE(closer.texts.last(), QStringLiteral("File one.bin has been modified.\nDo you want to save your changes?"));
        QVERIFY(w.isVisible());
    }

    // Anything but a readable regular file within the cap is refused with
    // a box naming it; the side stays unloaded and open for another try.
    void refusedFilesAndSingleFileEdits()
    {
        vexmora_hex_tools tool;
        tool.resize(948, 715);
        tool.show();
        auto closing = std::make_unique<ModalCloser>();
        ModalCloser &closer = *closing;
        const QString fifo = dir.filePath("fifo");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString huge = dir.filePath("huge.bin");
        {
            QFile f(huge);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize((qint64(1) << 30) + 1));
        }
        const QList<QPair<QString, QString>> bad = {
            {dir.filePath("nothing.bin"), "the file does not exist"},
            {dir.path(), "it is a folder"},
            {fifo, "it is not a regular file"},
            {"/dev/zero", "it is not a regular file"},
            {huge, "it is larger than 1 GiB"},
        };
        for (const auto &[path, reason] : bad) {
            const int before = closer.count();
            load(&tool, 1, path);
            QVERIFY(waitFor([&] { return closer.count() == before + 1; }));
            QCOMPARE(closer.texts.last(), QStringLiteral("Cannot load %1: %2.").arg(path, reason));
            QVERIFY(!tool.model(1));
            QVERIFY(child<QPushButton>(tool, "openFile1Button")->isVisible());
        }
        QFile::remove(huge);
        load(&tool, 1, QString()); // cancelled dialog: nothing, no box
        QCOMPARE(closer.count(), int(bad.size()));

        load(&tool, 1, writeFile(dir.filePath("empty.bin"), {}));
        load(&tool, 2, writeFile(dir.filePath("seventeen.bin"), QByteArray(17, 'q')));
        QCOMPARE(tool.model(1)->rowCount(), 0);
        QCOMPARE(tool.model(2)->rowCount(), 2);
        QCOMPARE(child<DiffWidget>(tool, "diffWidget")->differingRows(), (QList<int>{0, 1}));
        QCOMPARE(closer.count(), int(bad.size()));

        // Without file 1, go-to warns; with an empty file 1 nothing matches.
        vexmora_hex_tools single;
        single.show();
        press(child<QPushButton>(single, "gotoButton"));
        QVERIFY(waitFor([&] { return closer.count() == int(bad.size()) + 1; }));
        QCOMPARE(closer.texts.last(), QStringLiteral("No file 1 loaded."));

        // Edits of a lone file count too: closing asks about them.
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        load(&single, 2, writeFile(dir.filePath("sub/lone.bin"), QByteArray(40, 'z')));
        auto *view = child<QTableView>(single, "tableView2");
        editByte(view, 1, 2, "7e");
        QCOMPARE(single.model(2)->getByteArray().at(17), '~');
        QVERIFY(single.isModified(2));
        single.close();
        QVERIFY(waitFor([&] { return closer.count() == int(bad.size()) + 2; }));
        QCOMPARE(closer.texts.last(), QStringLiteral("File lone.bin has been modified.\nDo you want to save your changes?"));
        QVERIFY(single.isVisible());

        // Yes, but the save fails (its folder is gone): the window stays, edits kept.
        closing.reset();
        QVERIFY(QDir(dir.filePath("sub")).removeRecursively());
        QStringList answered;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(top); box && box->isVisible()) {
                    answered << box->text();
                    if (QAbstractButton *yes = box->button(QMessageBox::Yes))
                        yes->click();
                    else
                        box->done(0);
                }
        });
        answer.start(20);
        single.close();
        QVERIFY(waitFor([&] { return answered.size() == 2; }));
        QCOMPARE(answered.last(), QStringLiteral("Failed to open file for writing."));
        QVERIFY(single.isVisible() && single.isModified(2));
    }

    // Scale, marks and clicks of the bar.
    void differenceBar_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("diffRow");
        QTest::addColumn<int>("hitRow");
        QTest::addColumn<int>("clickY");
        QTest::addColumn<int>("jumpRow");
        QTest::newRow("200 px over 800 rows") << 200 << 800 << 799 << 0 << 50 << 200;
        QTest::newRow("400 px over 4 rows") << 400 << 4 << 3 << 0 << 399 << 3;
        // 5000 rows a pixel: the plain y / scale would land 5000 rows short.
        QTest::newRow("a mark over a million rows") << 200 << 1000000 << 999999 << 0 << 199 << 999999;
        // 50 MB files, 16384 rows a pixel: the mark spans y = 100 and 101, the hit's y = 99 and 100.
        QTest::newRow("the last pixel of a mark mid-file") << 200 << 3276800 << 1638400 << 3276799 << 101 << 1638400;
        QTest::newRow("a hit painted over a difference") << 200 << 3276800 << 1638400 << 1622016 << 100 << 1622016;
    }
    void differenceBar()
    {
        QFETCH(int, height);
        QFETCH(int, rows);
        QFETCH(int, diffRow);
        QFETCH(int, hitRow);
        QFETCH(int, clickY);
        QFETCH(int, jumpRow);
        const QByteArray a(rows * 16, '\x11');
        QByteArray b = a;
        b[16 * diffRow + 5] = 0x22;
        HexTableModel same(a), m1(a), m2(b);
        DiffWidget bar;
        bar.setFixedHeight(height);
        bar.setModels(&m1, &same);
        QVERIFY(bar.differingRows().isEmpty());
        bar.setModels(&m1, &m2);
        QCOMPARE(bar.differingRows(), QList<int>{diffRow});
        QCOMPARE(bar.width(), 20);

        const float scale = float(height) / float(rows);
        const int top = int(float(diffRow) * scale);
        const int markHeight = int(qMax(2.0f, scale));
        QImage image = bar.grab().toImage();
        QVERIFY(isRed(image.pixelColor(3, top)));
        QVERIFY(isRed(image.pixelColor(3, qMin(top + markHeight - 1, height - 1))));
        QVERIFY(!isRed(image.pixelColor(3, top - 1)));
        QVERIFY(!isRed(image.pixelColor(3, 0)));

        bar.setSearchResults({m2.index(hitRow, 1)});
        image = bar.grab().toImage();
        const QColor orange(255, 200, 0);
        QCOMPARE(image.pixelColor(3, int(float(hitRow) * scale)), orange);

        // Every pixel painted as a mark, edges too, leads to the row it marks
        // (pressed directly: QTest takes (0, 0) for the widget's centre).
        QSignalSpy jumps(&bar, &DiffWidget::jumpToRow);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < bar.width(); ++x)
                if (const QColor c = image.pixelColor(x, y); c == orange || isRed(c)) {
                    QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, y), QPointF(x, y), Qt::LeftButton,
                                      Qt::LeftButton, {});
                    QApplication::sendEvent(&bar, &press);
                    const int row = jumps.takeLast().first().toInt();
                    QVERIFY2(row == (c == orange ? hitRow : diffRow),
                             qPrintable(QString("(%1, %2): %3").arg(x).arg(y).arg(row)));
                }
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(10, clickY));
        QCOMPARE(jumps.size(), 1);
        QCOMPARE(jumps.first().first().toInt(), jumpRow);
    }

    // Tables of different lengths scroll together without pinning the
    // longer one; selections mirror only where the other file has the row.
    void linkedTables()
    {
        vexmora_hex_tools tool;
        tool.resize(948, 715);
        tool.show();
        load(&tool, 1, writeFile(dir.filePath("long.bin"), QByteArray(16000, 'L')));
        load(&tool, 2, writeFile(dir.filePath("short.bin"), QByteArray(1600, 'S')));
        auto *t1 = child<QTableView>(tool, "tableView1");
        auto *t2 = child<QTableView>(tool, "tableView2");
        QTest::qWait(60);
        t1->verticalScrollBar()->setValue(500);
        QVERIFY(t2->verticalScrollBar()->maximum() > 0);
        QCOMPARE(t1->verticalScrollBar()->value(), 500);
        QCOMPARE(t2->verticalScrollBar()->value(), t2->verticalScrollBar()->maximum());

        child<QLineEdit>(tool, "addressInput")->setText("6F0");
        press(child<QPushButton>(tool, "gotoButton"));
        QCOMPARE(t1->rowAt(0), 0x6F);
        QVERIFY(rowSelected(t1, 0x6F) && !t2->selectionModel()->hasSelection());

        t1->selectRow(5);
        QVERIFY(rowSelected(t2, 5));
        t2->selectRow(7);
        QVERIFY(rowSelected(t1, 7) && !rowSelected(t1, 5));

        // A click low on the bar lands in the long file.
        auto *bar = child<DiffWidget>(tool, "diffWidget");
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(10, bar->height() - 2));
        const int expected = int(float(bar->height() - 2) / (float(bar->height()) / 1000.0f));
        QVERIFY(rowSelected(t1, expected));
    }
};

KESP_TEST_MAIN(HexToolsTest)
#include "tst_hex_tools.moc"
