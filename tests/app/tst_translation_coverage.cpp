// Every visible text has a Simplified Chinese entry or stays English on
// purpose: lupdate runs over the sources into a copy of the catalogue, and
// each unfinished entry must be on resources/translations/untranslated_texts.txt.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kSourceDir = QStringLiteral(KESP_SOURCE_DIR);
const QString kCatalogue = QStringLiteral("resources/translations/transSimpleChinese.ts");
const QString kListFile = QStringLiteral("resources/translations/untranslated_texts.txt");

struct Rule
{
    QString context;
    QString text;                // the exact source text, or the expression
    QRegularExpression pattern;  // empty for an exact text
    int line = 0;
    bool used = false;

    bool exact() const { return pattern.pattern().isEmpty(); }
    bool matches(const QString &source) const { return exact() ? source == text : pattern.match(source).hasMatch(); }
};

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;  // "", "unfinished", "vanished" or "obsolete"
};

// "text" with C escapes; false on a malformed line.
bool unquote(const QString &quoted, QString *out)
{
    if (quoted.size() < 2 || !quoted.startsWith('"') || !quoted.endsWith('"'))
        return false;
    out->clear();
    for (int i = 1; i < quoted.size() - 1; ++i) {
        QChar c = quoted.at(i);
        if (c == '\\') {
            if (++i >= quoted.size() - 1)
                return false;
            const QChar e = quoted.at(i);
            c = e == 'n' ? QChar('\n') : e == 't' ? QChar('\t') : e;
        } else if (c == '"') {
            return false;
        }
        out->append(c);
    }
    return true;
}

QList<Rule> readList(const QString &path, QStringList *errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        errors->append(QStringLiteral("cannot read %1").arg(path));
        return {};
    }
    QList<Rule> rules;
    QString context;
    int lineNo = 0;
    while (!file.atEnd()) {
        ++lineNo;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            context = line.mid(1, line.size() - 2);
            continue;
        }
        Rule r;
        r.context = context;
        r.line = lineNo;
        const bool regex = line.startsWith(QLatin1String("re\""));
        if (context.isEmpty() || !unquote(regex ? line.mid(2) : line, &r.text)) {
            errors->append(QStringLiteral("%1:%2: not a [context] or a quoted text").arg(kListFile).arg(lineNo));
            continue;
        }
        if (regex) {
            r.pattern = QRegularExpression(QRegularExpression::anchoredPattern(r.text),
                                           QRegularExpression::DotMatchesEverythingOption);
            if (!r.pattern.isValid()) {
                errors->append(QStringLiteral("%1:%2: %3").arg(kListFile).arg(lineNo).arg(r.pattern.errorString()));
                continue;
            }
        }
        rules.append(r);
    }
    return rules;
}

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = Message{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages.append(m);
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%L?[0-9]+"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TranslationCoverage : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTranslatedOrListed()
    {
        QStringList errors;
        QList<Rule> rules = readList(QDir(kSourceDir).filePath(kListFile), &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));

        // lupdate writes into a copy: the source tree stays as it is.
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString copy = tmp.filePath(QStringLiteral("transSimpleChinese.ts"));
        QVERIFY(QFile::copy(QDir(kSourceDir).filePath(kCatalogue), copy));
        QProcess lupdate;
        lupdate.setWorkingDirectory(kSourceDir);
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(KESP_LUPDATE), QStringLiteral(KESP_LUPDATE_ARGS).split('|', Qt::SkipEmptyParts)
                                                        + QStringList{QStringLiteral("-ts"), copy});
        QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());

        const QList<Message> messages = readCatalogue(copy);
        QVERIFY2(messages.size() > 400, "the catalogue did not parse");

        for (const Message &m : messages) {
            if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete"))
                continue;
            QString shown = m.source.left(100);
            shown.replace(QLatin1Char('\n'), QLatin1String("\\n"));
            const QString where = QStringLiteral("[%1] \"%2\"").arg(m.context, shown);
            const Rule *rule = nullptr;
            for (Rule &r : rules)
                if (r.context == m.context && r.matches(m.source)) {
                    r.used = true;
                    if (!rule || r.exact())
                        rule = &r;
                }
            if (m.type == QLatin1String("unfinished")) {
                if (!rule)
                    errors << QStringLiteral("no Chinese entry and not listed: ") + where;
                else if (!m.translation.isEmpty())
                    // lrelease ships unfinished translations as well.
                    errors << QStringLiteral("listed as English but carries a translation: ") + where;
                continue;
            }
            if (rule && rule->exact() && m.translation != m.source)
                errors << QStringLiteral("translated but listed as English on line %1: ").arg(rule->line) + where;
            if (placeholders(m.source) != placeholders(m.translation))
                errors << QStringLiteral("placeholders differ from the source: ") + where;
        }
        for (const Rule &r : std::as_const(rules))
            if (!r.used)
                errors << QStringLiteral("%1:%2: no such text in [%3] any more: \"%4\"")
                              .arg(kListFile)
                              .arg(r.line)
                              .arg(r.context, r.text);

        // One line each: QtTest cuts a long failure message short.
        for (const QString &e : std::as_const(errors))
            qWarning().noquote() << e;
        QVERIFY2(errors.isEmpty(),
                 qPrintable(QStringLiteral("%1 problem(s) above. Run `cmake --build build --target "
                                           "update_translations`, then translate each new text in %2 or list it in %3.")
                                .arg(errors.size())
                                .arg(kCatalogue, kListFile)));
    }
};

QTEST_GUILESS_MAIN(TranslationCoverage)
#include "tst_translation_coverage.moc"
