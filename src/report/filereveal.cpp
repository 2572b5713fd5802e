#include "report/filereveal.h"

QStringList explorerSelectArguments(const QString &path)
{
    QString native = path;
    native.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return {QStringLiteral("/select,"), native};
}
