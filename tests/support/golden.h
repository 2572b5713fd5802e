#pragma once

#include "testdata.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

// Compares with a file below tests/data, byte for byte. On a mismatch the actual bytes are written
// beside the test program, so a reviewed change is one copy away.
inline QString goldenMismatch(const QByteArray &actual, const QString &relative)
{
    const QByteArray expected = testDataBytes(relative);
    if (actual == expected)
        return {};
    const QString kept = QCoreApplication::applicationDirPath() + "/actual-" + QFileInfo(relative).fileName();
    writeFile(kept, actual);
    const QStringList a = QString::fromUtf8(actual).split('\n'), e = QString::fromUtf8(expected).split('\n');
    int line = 0;
    while (line < a.size() && line < e.size() && a[line] == e[line])
        ++line;
    return QStringLiteral("%1:%2\n    actual: %3\n  expected: %4\n  all of it: %5")
        .arg(relative)
        .arg(line + 1)
        .arg(a.value(line), e.value(line), kept);
}

// Long expected texts live in tests/data/expected.
#define KELVARO_COMPARE_GOLDEN(actual, name)                                                                 \
    do {                                                                                                     \
        const QString mismatch = goldenMismatch(QString(actual).toUtf8(), "expected/" + QString(name));      \
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));                                                  \
    } while (false)
