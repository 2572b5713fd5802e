#include "fakecollector.h"
#include "hardware/hardwarecontroller.h"
#include "perf/perfcontroller.h"
#include "report/filereveal.h"
#include "report/reportcontroller.h"
#include "requiredtool.h"
#include "testdata.h"
#include "testregistry.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

HardwareSnapshot sampleSnapshot()
{
    HardwareSnapshot snapshot;
    snapshot.system = {{"model", "Vostro & <Co>"}, {"deviceType", "Desktop"}};
    snapshot.cpu = {{"name", "Intel(R) Core(TM) i5-8500 CPU @ 3.00GHz"}, {"threads", 6}, {"cores", 6}};
    snapshot.ramSummary = {{"total", "16.0 GB"}, {"channel", "Dual Channel"}};
    snapshot.disks = {QVariantMap{{"mediaType", "SSD"}, {"health", "Tốt"}, {"capacity", "466 GB"}}};
    return snapshot;
}

// A scanned machine; exports go to a temporary folder at a fixed time.
struct Fixture {
    QTemporaryDir folder;
    HardwareController hardware{fakeCollectorFactory(sampleSnapshot())};
    PerfController perf;
    ReportController report{&hardware, &perf};
    QSignalSpy exported{&report, &ReportController::exported};

    Fixture()
    {
        report.setClock([] { return QDateTime(QDate(2024, 5, 17), QTime(14, 3, 9)); });
        report.setExportFolder(folder.path());
        completeScan(hardware);
    }
};

// A 64 KB tmpfs on a folder of the test, when the test may mount one (root with the right).
struct SmallDisk {
    QString path;
    bool mounted = false;

    explicit SmallDisk(const QString &folder) : path(folder)
    {
        QDir().mkpath(path);
        mounted = ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    }
    // Small files until nothing more fits; the first one frees a page when removed.
    void fill()
    {
        const QByteArray page(4096, 'x');
        for (int i = 0;; ++i) {
            QFile filler(path + QStringLiteral("/filler-%1").arg(i));
            if (!filler.open(QIODevice::WriteOnly) || filler.write(page) != page.size() || !filler.flush())
                break;
        }
    }
};

// Writes past the limit fail (with EFBIG instead of the signal that would end the process).
struct FileSizeLimit {
    rlimit saved{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
};

} // namespace

class TestReportController : public QObject {
    Q_OBJECT

private slots:
    // The golden reports show what compute() makes of a scan, the tests and the screen check.
    void computeAnnouncesOnce()
    {
        Fixture f;
        QSignalSpy changed(&f.report, &ReportController::changed);
        f.report.compute();
        QCOMPARE(changed.count(), 1);
        QVERIFY(f.report.ready());
    }

    // The file contents are the golden reports' business; here, names, signals and failures.
    void formatsAreWrittenAndAnnouncedOnce()
    {
        Fixture f;
        const QString html = f.report.exportReport("HTML");
        QVERIFY(f.report.ready()); // computed first
        QCOMPARE(html, QDir::toNativeSeparators(f.folder.filePath("Kelvaro_BaoCao_20240517_140309.html")));
        QCOMPARE(f.exported.takeFirst(), (QVariantList{html, true}));
        const QString csv = f.report.exportReport("Csv");
        QCOMPARE(f.report.lastExport(), csv);

        QCOMPARE(f.report.exportReport("xml"), QString());
        QCOMPARE(f.exported.count(), 2);
        QCOMPARE(f.exported.last(), (QVariantList{QString(), false}));
        QCOMPARE(f.report.lastExport(), csv);
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files).size(), 2);

        // Nobody, not even root, creates files under /proc.
        f.report.setExportFolder("/proc");
        QCOMPARE(f.report.exportReport("json"), QString());
        QVERIFY2(f.report.lastExportError().contains("cannot create"),
                 qPrintable(f.report.lastExportError()));
    }

    // An existing name is never replaced and a link never followed: the next free name is used.
    void takenNamesAreLeftAlone()
    {
        Fixture f;
        const QString stem = f.folder.filePath("Kelvaro_BaoCao_20240517_140309");
        const QString first = f.report.exportReport("json");
        QCOMPARE(first, QDir::toNativeSeparators(stem + ".json"));
        QCOMPARE(f.report.exportReport("json"), QDir::toNativeSeparators(stem + "_2.json"));

        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath("victim");
        QFile(victim).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(victim, stem + ".html"));
        QVERIFY(QFile::link(elsewhere.filePath("missing"), stem + "_2.html"));
        QCOMPARE(f.report.exportReport("html"), QDir::toNativeSeparators(stem + "_3.html"));
        QCOMPARE(QFileInfo(victim).size(), 0);
        QVERIFY(!QFile::exists(elsewhere.filePath("missing")));
        QCOMPARE(fileBytes(stem + "_3.html"), f.report.html().toUtf8());
        // No scratch file is left behind.
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 5);
    }

    // A full disk fails every format and leaves no cut-off file.
    void fullDiskFailsEveryFormat()
    {
        Fixture f;
        SmallDisk disk(f.folder.filePath("disk"));
        if (!disk.mounted)
            QSKIP("no tmpfs can be mounted here; the size-limited write below covers the cut-off");
        f.report.setExportFolder(disk.path);
        disk.fill();
        for (const char *format : {"pdf", "html", "json", "csv"}) {
            QCOMPARE(f.report.exportReport(format), QString());
            QVERIFY2(f.report.lastExportError().contains("No space left"),
                     qPrintable(f.report.lastExportError()));
        }
        // Room for the start of a report but not all of it.
        QVERIFY(QFile::remove(disk.path + "/filler-0"));
        QCOMPARE(f.report.exportReport("html"), QString());
        QCOMPARE(QDir(disk.path).entryList(QDir::Files | QDir::Hidden).filter("Kelvaro"), QStringList());
        QCOMPARE(QDir(disk.path).entryList(QDir::Files | QDir::Hidden).filter("kelvaro"), QStringList());
    }

    void cutOffWriteFails()
    {
        Fixture f;
        const QByteArray html = f.report.html().toUtf8();
        {
            FileSizeLimit limit(static_cast<rlim_t>(html.size() / 2));
            QCOMPARE(f.report.exportReport("html"), QString());
            QCOMPARE(f.report.exportReport("pdf"), QString());
        }
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(!f.report.exportReport("html").isEmpty());
    }

    void pdfIsReadableA4()
    {
        Fixture f;
        const QString pdf = f.report.exportReport("pdf");
        const QByteArray bytes = fileBytes(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QByteArray title("\xFE\xFF");
        for (QChar c : QStringLiteral("Kelvaro — Báo cáo kiểm định"))
            title += char(c.unicode() >> 8), title += char(c.unicode() & 0xFF);
        QVERIFY(bytes.contains("/Title (" + title + ")"));
        QVERIFY(bytes.contains("/MediaBox [0 0 595"));

        KELVARO_REQUIRE_TOOL("pdftotext");
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *words : {"Phiếu kiểm định máy tính toàn diện", "Vostro & <Co>", "Kiểm tra ổn định"})
            QVERIFY2(extracted.contains(QString::fromUtf8(words)), words);
        // Text at a readable size fills more than a line or two of the first page.
        QVERIFY(extracted.section('\f', 0, 0).count('\n') > 40);
    }

    void pathsForTheFileManager()
    {
        Fixture f;
        QCOMPARE(f.report.toLocalPath(QUrl("https://example.com/a%20b")), QString("https://example.com/a b"));
        QCOMPARE(explorerSelectArguments("C:/Users/An/r.pdf"),
                 (QStringList{"/select,", "C:\\Users\\An\\r.pdf"}));
    }
};

KELVARO_TEST(TestReportController)
#include "tst_reportcontroller.moc"
