#pragma once

#include "testdata.h"

#include <QCoreApplication>
#include <QTest>

// Long expected texts live in files below tests/data/expected. On a mismatch the actual text is
// written beside the test program, so a reviewed change is one copy away.
inline QString goldenMismatch(const QString &actual, const QString &name)
{
    const QString expected = QString::fromUtf8(testDataBytes(QStringLiteral("expected/") + name));
    if (actual == expected)
        return {};
    const QString kept = QCoreApplication::applicationDirPath() + QStringLiteral("/actual-") + name;
    writeFile(kept, actual.toUtf8());
    const QStringList a = actual.split(QLatin1Char('\n')), e = expected.split(QLatin1Char('\n'));
    int line = 0;
    while (line < a.size() && line < e.size() && a[line] == e[line])
        ++line;
    return QStringLiteral("%1:%2\n    actual: %3\n  expected: %4\n  all of it: %5")
        .arg(name)
        .arg(line + 1)
        .arg(a.value(line), e.value(line), kept);
}

#define KELVARO_COMPARE_GOLDEN(actual, name)                                                                 \
    do {                                                                                                     \
        const QString mismatch = goldenMismatch(actual, name);                                               \
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));                                                  \
    } while (false)
