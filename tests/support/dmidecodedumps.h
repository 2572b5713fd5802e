#pragma once

#include "testdata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

// What dmidecode printed on each recorded machine (tests/data/smbios/machines.json), by id ("D01" …):
// a check independent of the program's own parser.
inline QJsonObject dmidecodeDump(const QString &id)
{
    for (const QJsonValue &value : QJsonDocument::fromJson(testDataBytes("smbios/machines.json")).array()) {
        if (value.toObject().value(QStringLiteral("id")).toString() == id)
            return value.toObject();
    }
    return {};
}

// "8 GB", "8192 MB", "512 kB" in bytes; 0 for anything else.
inline quint64 dmidecodeBytes(const QString &text)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d+) (kB|MB|GB)$")).match(text);
    if (!m.hasMatch())
        return 0;
    const int shift = m.captured(2) == QLatin1String("kB")   ? 10
                      : m.captured(2) == QLatin1String("MB") ? 20
                                                             : 30;
    return m.captured(1).toULongLong() << shift;
}
