#include "report/textnumbers.h"

#include <QRegularExpression>

double firstNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("([0-9]+(?:[.,][0-9]+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    QString digits = match.captured(1);
    digits.replace(QLatin1Char(','), QLatin1Char('.'));
    return digits.toDouble();
}

double sizeToGb(const QString &text)
{
    const double value = firstNumber(text);
    if (text.contains(QLatin1String("TB"), Qt::CaseInsensitive))
        return value * 1024;
    if (text.contains(QLatin1String("MB"), Qt::CaseInsensitive))
        return value / 1024;
    return value;
}
