#pragma once

#include "platform/source.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <string>

// Files below tests/data, and small files a test writes for itself.
inline QString testDataPath(const QString &relative)
{
    return QStringLiteral(KELVARO_TEST_DATA "/") + relative;
}

inline QByteArray testDataBytes(const QString &relative)
{
    QFile file(testDataPath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
