// The CIE and IMU line cores: the boards' formats and the leniency around
// them, unreadable and non-finite numbers, Euler angles of plain turns, and
// no crash or NaN on random bytes.
#include "instruments/cie_line.h"
#include "instruments/imu_line.h"
#include "instruments/line_framer.h"
#include "tests/support/test_base.h"

#include <QQuaternion>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>
#include <cmath>

class CieImuLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void cie_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<double>>("xyLuxCct");
        const auto row = [](const char *name, const QString &line, QList<double> v) {
            QTest::newRow(name) << line << v;
        };
        row("board's form", "CIEX:0.31270;CIEY:0.32900;LUX:120.5000;CCT:6504.0000\r\n", {0.3127, 0.329, 120.5, 6504});
        row("lower case, blanks, order, trailing comma", "  cct : 3000 ; lux:5 ;ciey: 0.4; CieX :0.45 ,\r\n",
            {0.45, 0.4, 5, 3000});
        row("later item wins", "CIEX:0.1;CIEX:0.2", {0.2, 0, 0, 0});
        row("extra letter before the key is another key", "XCIEX:0.5;CIEY:0.3", {0, 0.3, 0, 0});
        row("empty items skipped", ";;;CIEY:0.2;;;", {0, 0.2, 0, 0});
        row("empty line plots the corner", "\r\n", {0, 0, 0, 0});
        row("unreadable values", "CIEX:a;CIEY:b;LUX:c;CCT:d", {0, -1, -0.0, -1});
        row("nan, inf and overflow are unreadable", "CIEX:inf;CIEY:nan;LUX:1e999;CCT:-inf", {0, -1, -0.0, -1});
        row("400 digits overflow", "CIEY:" + QString(400, '9'), {0, -1, 0, 0});
        row("decimal comma is no number", "CIEY:0,5", {0, -1, 0, 0});
        row("exponent is a number here", "LUX:1.5e3", {0, 0, 1500, 0});
        row("three pieces skipped", "CIEX:1:2;CIEY:0.3", {0, 0.3, 0, 0});
        row("runs of colons collapse", "CIEX:::0.5", {0.5, 0, 0, 0});
        row("NUL is no blank", QStringLiteral("CIEY:0.3\u0000"), {0, -1, 0, 0});
        // Boards' own variants, which a cut-line rule must not refuse.
        row("lux with its unit", "CIEX:0.3127;CIEY:0.3290;LUX:115 lux;CCT:6515", {0.3127, 0.329, -0.0, 6515});
        row("an extra letter that starts a key, first", "CCIEX:0.5;CIEY:0.3;LUX:1;CCT:2", {0, 0.3, 1, 2});
        row("an extra letter that starts a key, amid", "CIEX:0.5;CIEY:0.3;CLUX:5;CCT:2", {0.5, 0.3, 0, 2});
        row("commas for separators are one unread item", "CIEX:0.31,CIEY:0.33, LUX:5, CCT:2", {0, 0, 0, 0});
        // A key where no reading follows it, or none came before it: the
        // item is skipped and the rest read as usual.
        row("a label before the first key", "Color: CIEX:0.3127;CIEY:0.3290;LUX:120.5;CCT:6504",
            {0, 0.329, 120.5, 6504});
        row("a key inside the board's last item", "CIEX:0.3;CIEY:0.3;LUX:120;CCT:6504;MODE:LUX:AUTO",
            {0.3, 0.3, 120, 6504});
        row("an extra letter that starts a key, last", "CIEX:0.3130;CIEY:0.3293;LUX:115;CCT:6504;CCIEX:0.5",
            {0.313, 0.3293, 115, 6504});
        // A cut reading run into the next line: nothing plotted.
        row("a value runs into a key", "CIEX:0.64;CIEY:0.3CIEX:0.45;CIEY:0.41", {0, 0, 0, 0, 1});
        row("a value cut empty runs into a key", "CIEX:0.64;CIEY:CIEX:0.45;CIEY:0.41", {0, 0, 0, 0, 1});
        row("a key cut short before the next line's", "CIEX:0.64;CIECIEX:0.30;CIEY:0.60", {0, 0, 0, 0, 1});
    }
    void cie()
    {
        QFETCH(QString, line);
        QFETCH(QList<double>, xyLuxCct);
        const CieLine::Reading r = CieLine::parse(line);
        QCOMPARE(r.x, xyLuxCct[0]);
        QCOMPARE(r.y, xyLuxCct[1]);
        QCOMPARE(r.lux, xyLuxCct[2]);
        QCOMPARE(r.cct, xyLuxCct[3]);
        QCOMPARE(std::signbit(r.lux), std::signbit(xyLuxCct[2])); // -0.0 for an unreadable lux
        QCOMPARE(r.joined, xyLuxCct.size() > 4);
    }

    // A board reset cuts a line anywhere, its CR included, and the next line
    // runs into it: each board's line, cut at every position, is dropped or
    // read as the next line alone.  A cut inside the first key's name gives
    // that key an extra letter in front, so the next line reads without it.
    void cutLineRunsIntoTheNext()
    {
        QStringList boards{"Color: CIEX:%1;CIEY:%2;LUX:%3;CCT:%4", "cie: CIEX:%1;CIEY:%2;LUX:%3;CCT:%4",
                           " cct : %4 ; lux:%3 ;ciey: %2; CieX :%1 ,", "CIEX:%1;CIEY:%2;LUX:%3 lux;CCT:%4"};
        for (const char *last : {"", ";MODE:LUX:AUTO", ";UNIT:CCT:K", ";CCIEX:0.5", ";CLUX:66.5", ";cLux:99"})
            boards << QString("CIEX:%1;CIEY:%2;LUX:%3;CCT:%4") + last;
        // An extra item amid the readings whose key ends with a key.
        for (const char *middle : {"RAWLUX:1200", "MAXLUX:9", "REFCIEY:0.5"})
            boards << QString("CIEX:%1;CIEY:%2;LUX:%3;") + middle + ";CCT:%4";
        boards << "Color: CIEX:%1;CIEY:%2;LUX:%3;REFCIEY:0.5;CCT:%4";
        const QList<QStringList> readings{
            {"0.31270", "0.32900", "120.5000", "6504.0000"}, {"0.64", "0.33", "12.5", "2351"}, {"0.3", "0.6", "1", "2"}};
        const auto same = [](const CieLine::Reading &a, const CieLine::Reading &b) {
            return !a.joined && a.x == b.x && a.y == b.y && a.lux == b.lux && a.cct == b.cct;
        };
        for (const QString &board : boards)
            for (const QStringList &a : readings)
                for (const QStringList &b : readings) {
                    const QString cut = board.arg(a[0], a[1], a[2], a[3]) + "\r", next = board.arg(b[0], b[1], b[2], b[3]);
                    const CieLine::Reading whole = CieLine::parse(next);
                    QVERIFY2(!whole.joined && whole.cct == b[3].toDouble(), qPrintable(next));
                    const CieLine::Reading withoutFirst = CieLine::parse("X" + next);
                    for (int k = 0; a != b && k <= cut.size(); ++k) {
                        const CieLine::Reading r = CieLine::parse(cut.left(k) + next);
                        QVERIFY2(r.joined || same(r, whole) || (k <= cut.indexOf(':') && same(r, withoutFirst)),
                                 qPrintable(cut.left(k) + " | " + next));
                    }
                }
    }

    void imu_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matched");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QList<double>>("wxyz");
        const auto row = [](const char *name, const QString &text, bool matched, bool usable, QList<double> v) {
            QTest::newRow(name) << text << matched << usable << v;
        };
        row("board's form", "W:0.71,X:0,Y:0.71,Z:0\r\n", true, true, {0.71, 0, 0.71, 0});
        row("blanks and tabs", "W: 1 ,\tX:\t-0.5 , Y:2,Z: 3", true, true, {1, -0.5, 2, 3});
        row("1. reads as 1", "W:1.,X:0,Y:0,Z:0", true, true, {1, 0, 0, 0});
        row("first match wins", "q= W:1,X:2,Y:3,Z:4 end W:9,X:9,Y:9,Z:9", true, true, {1, 2, 3, 4});
        row("across a line end", "W:1,\r\nX:0,Y:0,Z:0", true, true, {1, 0, 0, 0});
        row(".5 does not match", "W:.5,X:0,Y:0,Z:0", false, false, {});
        row("exponent does not match", "W:1e2,X:0,Y:0,Z:0", false, false, {});
        row("semicolons do not match", "W:1;X:0;Y:0;Z:0", false, false, {});
        row("lower case does not match", "w:1,x:0,y:0,z:0", false, false, {});
        row("zero quaternion is no rotation", "W:0,X:0,Y:0,Z:0", true, false, {0, 0, 0, 0});
        row("too short to normalise", "W:0.000001,X:0,Y:0,Z:0", true, false, {0.000001, 0, 0, 0});
        row("too large for a float", "W:1" + QString(40, '0') + ",X:0,Y:0,Z:0", true, false, {1e40, 0, 0, 0});
        // Boards that print more after the quaternion.
        row("yaw after it", "W:0.71,X:0.11,Y:0.71,Z:0;YAW:90", true, true, {0.71, 0.11, 0.71, 0});
        row("gyro after it", "W:0.71,X:0,Y:0.71,Z:0;GX:0.1;GY:0.2;GZ:0.3", true, true, {0.71, 0, 0.71, 0});
        row("angles after it", "W:0.71,X:0,Y:0.71,Z:0|X:1,Y:2,Z:3", true, true, {0.71, 0, 0.71, 0});
        // A cut Z run into the next line's W: that line is passed over.
        row("cut Z runs into the next line", "W:0.5,X:0.5,Y:0.5,Z:0W:1,X:0,Y:0,Z:0\r\nW:0,X:0,Y:1,Z:0", true, true,
            {0, 0, 1, 0});
    }
    void imu()
    {
        QFETCH(QString, text);
        QFETCH(bool, matched);
        QFETCH(bool, usable);
        QFETCH(QList<double>, wxyz);
        const ImuLine::Reading r = ImuLine::parse(text);
        QCOMPARE(r.matched, matched);
        QCOMPARE(r.usable, usable);
        if (!wxyz.isEmpty()) {
            QVERIFY(r.okW && r.okX && r.okY && r.okZ);
            QCOMPARE(QList<double>({r.w, r.x, r.y, r.z}), wxyz);
        }
    }

    // The pattern reads exactly what the board's plain pattern reads, over
    // keys, blanks, signs, digits and points at random (nothing after Z, so
    // no line is passed over as cut).
    void imuPatternAsPlain()
    {
        static const QRegularExpression plain(
            "W:\\s*(-?\\d+\\.?\\d*)\\s*,\\s*X:\\s*(-?\\d+\\.?\\d*)\\s*,\\s*Y:\\s*(-?\\d+\\.?\\d*)\\s*,\\s*Z:\\s*(-?\\d+\\.?\\d*)");
        QRandomGenerator rng(5);
        const auto pick = [&rng](const QStringList &from) { return from.at(int(rng.bounded(from.size()))); };
        for (int i = 0; i < 20000; ++i) {
            QString text;
            for (const QString key : {"W:", "X:", "Y:", "Z:"})
                text += pick({key, key, key, key, "", "w:"}) + pick({"", " ", "\t "}) + pick({"", "", "", "-", "--"})
                        + pick({"7", "12", "0", ""}) + pick({"", "", ".", ".."}) + pick({"", "5"}) + pick({"", " "})
                        + (key == "Z:" ? "" : pick({",", ",", ",", ",", ";", ""}));
            const QRegularExpressionMatch m = plain.match(text.simplified());
            const ImuLine::Reading r = ImuLine::parse(text);
            QCOMPARE(r.matched, m.hasMatch());
            for (int k = 1; m.hasMatch() && k <= 4; ++k)
                QCOMPARE(QList<double>({r.w, r.x, r.y, r.z}).at(k - 1), m.captured(k).toDouble());
        }
    }

    // Roll, pitch and yaw of plain 90 degree turns, normalised or not.
    void eulerAngles()
    {
        const QString h = QString::number(std::sqrt(0.5), 'f', 9);
        const QList<QPair<QString, QVector3D>> cases{
            {"W:1,X:0,Y:0,Z:0", {0, 0, 0}},
            {QString("W:%1,X:%1,Y:0,Z:0").arg(h), {90, 0, 0}},
            {QString("W:%1,X:0,Y:%1,Z:0").arg(h), {0, 90, 0}},
            {QString("W:%1,X:0,Y:0,Z:%1").arg(h), {0, 0, 90}},
            {"W:2,X:0,Y:0,Z:2", {0, 0, 90}}};
        for (const auto &[text, angles] : cases)
            QVERIFY2((ImuLine::parse(text).euler - angles).length() < 0.05, qPrintable(text));
    }

    // Random bytes, runs of separators, NUL and number-like junk: nothing
    // crashes, and whatever the cores return can be drawn.
    void fuzz()
    {
        static const char *pieces[] = {";", ":", ",", "CIEX", "CIEY", "LUX", "CCT", "W:", "X:", "Y:", "Z:",
                                       "nan", "inf", "1e999", "-", ".", "0", "9", "\r", "\n", " ", "\t"};
        QRandomGenerator rng(17);
        LineFramer framer;
        for (int i = 0; i < 4000; ++i) {
            QByteArray chunk;
            for (int j = int(rng.bounded(24)); j > 0; --j) {
                const int kind = int(rng.bounded(4));
                chunk += kind == 0   ? QByteArray(1, char(rng.bounded(256)))
                         : kind == 1 ? QByteArray(int(rng.bounded(1, 400)), "9;:"[rng.bounded(3)])
                                     : QByteArray(pieces[rng.bounded(int(std::size(pieces)))]);
            }
            for (const QByteArray &line : framer.push(chunk) + QList<QByteArray>{chunk}) {
                const CieLine::Reading c = CieLine::parse(QString::fromUtf8(line));
                QVERIFY(std::isfinite(c.x) && std::isfinite(c.y) && std::isfinite(c.lux) && std::isfinite(c.cct));
                const ImuLine::Reading m = ImuLine::parse(QString::fromUtf8(line));
                const QQuaternion q = QQuaternion(float(m.w), float(m.x), float(m.y), float(m.z)).normalized();
                QVERIFY(!m.usable || (std::isfinite(q.scalar()) && !q.isNull()));
            }
            QVERIFY(framer.tail().size() <= LineFramer::kMaxTail);
        }
    }
};

KESP_TEST_APPLESS_MAIN(CieImuLinesTest)
#include "tst_cie_imu_lines.moc"
