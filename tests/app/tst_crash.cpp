#include "app/crashcapture.h"
#include "datarow.h"
#include "testregistry.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString lastLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last();
}

} // namespace

class TestCrash : public QObject {
    Q_OBJECT

private slots:
    // The faulting address comes from the signal: the helper reads address 0x10.
    void crashLeavesItsLine_data()
    {
        addColumns<QString, QString>("how", "ending");
        addRow("access violation", "segv", "  CRASH code=0xc0000005 addr=0x10");
        addRow("abort", "abort", "  CRASH code=0xc0000409 addr=0x0");
    }

    void crashLeavesItsLine()
    {
        QFETCH(QString, how);
        QFETCH(QString, ending);
        QTemporaryDir dir;
        const QString log = dir.filePath("startup.log");
        QProcess helper;
        helper.start(KELVARO_CRASH_HELPER, {log, how});
        QVERIFY(helper.waitForStarted(10000));
        const QString pid = QString::number(helper.processId());
        QVERIFY(helper.waitForFinished(10000));
        QCOMPARE(helper.exitStatus(), QProcess::CrashExit);
        const QString line = lastLine(log);
        QVERIFY2(line.contains(QRegularExpression(R"(^\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3} \[)" + pid +
                                                  R"(\]  )")),
                 qPrintable(line));
        QVERIFY2(line.endsWith(ending), qPrintable(line));
    }

    void lineFormatWithoutAllocation()
    {
        char line[128];
        // 2026-06-05 14:03:09.007 local time.
        const std::int64_t seconds = 1780668189;
        const std::size_t n =
            formatCrashLine(line, sizeof line, seconds, 7, 4321, 0xC0000005u, 0x7ff6a1b2c3d4u);
        QCOMPARE(QByteArray(line, int(n)), QByteArray("2026-06-05 14:03:09.007 [4321]  CRASH code=0xc0000005 "
                                                      "addr=0x7ff6a1b2c3d4\n"));
        // A small buffer is cut, never overrun.
        char tiny[10];
        QCOMPARE(formatCrashLine(tiny, sizeof tiny, seconds, 0, 1, 1, 1), std::size_t(9));
        QCOMPARE(QByteArray(tiny), QByteArray("2026-06-0"));
    }
};

KELVARO_TEST(TestCrash)
#include "tst_crash.moc"
