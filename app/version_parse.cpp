#include "app/version_parse.h"

#include <QString>

namespace UpdateCheck {

qint64 versionValue(const QString &fileText)
{
    const qsizetype quote = fileText.indexOf(QLatin1Char('"'));
    QString piece = fileText.mid(quote + 1, 10);
    piece.remove(QStringLiteral("\"\n"));

    const qsizetype d1 = piece.indexOf(QLatin1Char('.'));
    const qsizetype d2 = piece.indexOf(QLatin1Char('.'), d1 + 1);
    const QString major = d1 < 0 ? piece : piece.left(d1);
    const QString minor = d2 < 0 ? piece.mid(d1 + 1) : piece.mid(d1 + 1, d2 - d1 - 1);
    const QString patch = piece.mid(d2 + 1, 3);

    // toInt gives 0 for anything that is not a 32-bit decimal number; the
    // sum is taken in 64 bits so a huge major cannot overflow.
    return qint64(major.toInt()) * 10000 + qint64(minor.toInt()) * 100 + patch.toInt();
}

} // namespace UpdateCheck
