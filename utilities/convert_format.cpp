#include "utilities/convert_format.h"

#include <QRegularExpression>

#include <cmath>

namespace ConvertFormat {

namespace {
QString noNegativeZero(QString text)
{
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}
} // namespace

double parseAmount(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString fixed(double value, int decimals)
{
    static const QRegularExpression zeroFraction(QStringLiteral("\\.0+$"));
    static const QRegularExpression trailingZeros(QStringLiteral("(\\.\\d*?[1-9])0+$"));
    QString text = QString::number(value, 'f', decimals);
    text.replace(zeroFraction, QString());
    text.replace(trailingZeros, QStringLiteral("\\1"));
    return noNegativeZero(text);
}

QString general(double value)
{
    return noNegativeZero(QString::number(value, 'g', 6));
}

} // namespace ConvertFormat
