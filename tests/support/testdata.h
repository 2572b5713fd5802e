#pragma once

#include "platform/source.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <string>

// Files below tests/data, and small files a test writes for itself.
inline QString testDataPath(const QString &relative)
{
    return QStringLiteral(KELVARO_TEST_DATA "/") + relative;
}

// The whole file; empty when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray testDataBytes(const QString &relative)
{
    return fileBytes(testDataPath(relative));
}

// A raw drive page or table; empty when the file is missing.
inline platform::Page testPage(const QString &relative)
{
    const QByteArray bytes = testDataBytes(relative);
    return platform::Page(bytes.begin(), bytes.end());
}

// Creates the file and its folders.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes a small tree of attribute files: each entry is "folder: name=text; name=text", and every
// file ends in a newline as sysfs attributes do.
inline bool writeTree(const QString &root, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString dir = root + QLatin1Char('/') + folder.section(QLatin1Char(':'), 0, 0).trimmed();
        for (const QString &file : folder.section(QLatin1Char(':'), 1).split(QLatin1Char(';'))) {
            const QString name = file.section(QLatin1Char('='), 0, 0).trimmed();
            if (!writeFile(dir + QLatin1Char('/') + name,
                           file.section(QLatin1Char('='), 1).trimmed().toUtf8() + '\n'))
                return false;
        }
    }
    return true;
}
