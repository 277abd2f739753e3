// The three text cores under random input: the Base64 decoder against
// coreutils, the escape converter's round trip over every UTF-16 unit, and
// the DES input checks.  Meant for the sanitizer build as much as for the
// plain one: any input must give a result, never a fault.
#include "tests/support/test_base.h"
#include "utilities/crypty_text.h"
#include "utilities/unicode_escape.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

using namespace CryptyText;

static QString randomText(QRandomGenerator &rng, int n)
{
    // Printable ASCII, controls (NUL included), Base64's own characters,
    // CJK, and surrogates that may or may not pair up.
    static const QString pool = QStringLiteral("=\\\\Uu0x+/AZaz09 \t\n\r-_!中é");
    QString s;
    for (int i = 0; i < n; ++i) {
        switch (rng.bounded(4)) {
        case 0: s += QChar(char16_t(rng.bounded(0x80))); break;
        case 1: s += pool.at(rng.bounded(pool.size())); break;
        case 2: s += QChar(char16_t(0xD800 + rng.bounded(0x800))); break;
        default: s += QChar(char16_t(rng.bounded(0x10000))); break;
        }
    }
    return s;
}

static QByteArray coreutilsDecode(const QByteArray &in, bool *ok)
{
    QProcess p;
    p.start("base64", {"-d", "-i"});
    p.write(in);
    p.closeWriteChannel();
    *ok = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return p.readAllStandardOutput();
}

class TextCoresTest : public QObject
{
    Q_OBJECT

private slots:
    // Padded pieces pasted together with stray characters between and
    // inside them decode as coreutils' "base64 -d -i" does.
    void base64AgainstCoreutils()
    {
        QRandomGenerator rng(24);
        static const QByteArray garbage(" \t\n\r-_*!~.\xC3\xA9");
        int compared = 0;
        for (int round = 0; round < 300; ++round) {
            QByteArray input;
            const int pieces = 1 + rng.bounded(4);
            for (int p = 0; p < pieces; ++p) {
                QByteArray raw(rng.bounded(12), '\0');
                for (char &c : raw)
                    c = char(rng.bounded(256));
                input += raw.toBase64();
            }
            for (int g = rng.bounded(8); g > 0; --g)
                input.insert(rng.bounded(input.size() + 1), garbage.at(rng.bounded(garbage.size())));
            bool ok = false;
            const QByteArray reference = coreutilsDecode(input, &ok);
            if (!ok)
                continue;
            QCOMPARE(base64DecodeBytes(input), reference);
            ++compared;
        }
        QVERIFY2(compared > 200, qPrintable(QString::number(compared)));
    }

    void base64AnyText()
    {
        QRandomGenerator rng(64);
        for (int round = 0; round < 2000; ++round) {
            const QString in = randomText(rng, rng.bounded(40));
            const QByteArray bytes = base64DecodeBytes(in.toUtf8());
            QVERIFY(bytes.size() <= in.toUtf8().size() * 3 / 4 + 3);
            QString text = randomText(rng, rng.bounded(40));
            text = QString::fromUtf8(text.toUtf8()); // lone surrogates do not survive UTF-8
            QCOMPARE(base64Decode(base64Encode(text)), text);
        }
        QCOMPARE(base64Decode("="), QString());
        QCOMPARE(base64Decode("SGV"), QStringLiteral("He"));
        QCOMPARE(base64Decode(QStringLiteral("\xFF\xFE")), QString());

        // 1 MB of random characters.
        const QString big = randomText(rng, 1 << 20);
        QVERIFY(base64DecodeBytes(big.toUtf8()).size() <= big.toUtf8().size());
    }

    // Every UTF-16 unit, alone or in random company, with and without the
    // prefix, comes back unchanged.
    void escapesRoundTrip()
    {
        QString all;
        for (int u = 0; u < 0x10000; ++u)
            all += QChar(char16_t(u));
        for (bool prefix : {false, true}) {
            const QString esc = UnicodeEscape::toEscapes(all, prefix);
            QCOMPARE(esc.size(), all.size() * (prefix ? 6 : 4));
            QCOMPARE(UnicodeEscape::fromEscapes(esc, prefix), all);
        }
        QRandomGenerator rng(131);
        for (int round = 0; round < 2000; ++round) {
            const QString in = randomText(rng, rng.bounded(30));
            const bool prefix = rng.bounded(2);
            QCOMPARE(UnicodeEscape::fromEscapes(UnicodeEscape::toEscapes(in, prefix), prefix), in);
            QString cleaned = in;
            if (prefix)
                cleaned.remove("\\U").remove("\\u");
            QCOMPARE(UnicodeEscape::fromEscapes(in, prefix).size(), cleaned.size() / 4);
        }
        QCOMPARE(UnicodeEscape::fromEscapes("0x41", false), QStringLiteral("A"));
    }

    // Any key and data text, in any mode: a warning or 16 upper-case digits.
    void desAnyInput()
    {
        QRandomGenerator rng(46);
        const QRegularExpression resultForm("^[0-9A-F]{16}$");
        for (int round = 0; round < 5000; ++round) {
            const QString text = QStringLiteral("0123456789abcdefABCDEF").repeated(3) + randomText(rng, 3);
            auto pick = [&](int n) {
                QString s;
                for (int i = 0; i < n; ++i)
                    s += text.at(rng.bounded(text.size()));
                return s;
            };
            const int mode = rng.bounded(-1, 4);
            const DesOutcome out = desBlock(mode, pick(rng.bounded(2) ? 16 * (mode + 1) : rng.bounded(60)),
                                            pick(rng.bounded(2) ? 16 : rng.bounded(20)), rng.bounded(2));
            QVERIFY(out.check != DesCheck::Ok || resultForm.match(out.result).hasMatch());
        }
    }
};

KESP_TEST_APPLESS_MAIN(TextCoresTest)
#include "tst_text_cores.moc"
