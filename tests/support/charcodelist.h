#pragma once

#include <QString>
#include <QVariantList>

// A text as the list of character codes WMI gives for it, without a terminating 0.
inline QVariantList charCodes(const QString &text)
{
    QVariantList list;
    for (const QChar c : text)
        list << int(c.unicode());
    return list;
}
