#include "fakecollector.h"
#include "hardware/hardwarecontroller.h"
#include "perf/perfcontroller.h"
#include "report/exportfiles.h"
#include "report/filereveal.h"
#include "report/reportcontroller.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime kFixedTime(QDate(2024, 5, 17), QTime(14, 3, 9));

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

HardwareSnapshot sampleSnapshot()
{
    HardwareSnapshot snapshot;
    snapshot.system = {{"model", "Vostro & <Co>"}, {"deviceType", "Desktop"}};
    snapshot.cpu = {{"name", "Intel(R) Core(TM) i5-8500 CPU @ 3.00GHz"}, {"threads", 6}, {"cores", 6}};
    snapshot.ramSummary = {{"total", "16.0 GB"}, {"channel", "Dual Channel"}};
    snapshot.disks = {QVariantMap{{"mediaType", "SSD"}, {"health", "Tốt"}, {"capacity", "466 GB"}}};
    return snapshot;
}

// A scanned machine with a report over it; exports go to a temporary folder at a fixed time.
struct Fixture {
    QTemporaryDir folder;
    HardwareController hardware{fakeCollectorFactory(sampleSnapshot())};
    PerfController perf;
    ReportController report{&hardware, &perf};

    Fixture()
    {
        report.setClock([] { return kFixedTime; });
        report.setExportFolder(folder.path());
        QSignalSpy scanned(&hardware, &HardwareController::dataChanged);
        hardware.scan();
        scanned.wait(10000);
    }
};

} // namespace

class TestReportController : public QObject {
    Q_OBJECT

private slots:
    void computeAssignsEverythingThenSignalsOnce()
    {
        Fixture f;
        QVERIFY(!f.report.ready());
        QCOMPARE(f.report.overall(), 0);
        QVERIFY(f.report.categories().isEmpty());
        QSignalSpy changed(&f.report, &ReportController::changed);
        f.report.compute();
        QCOMPARE(changed.count(), 1);
        QVERIFY(f.report.ready());
        // (72·22 + 90·18 + 98·18 + 46·22) ÷ 80 = 74.75
        QCOMPARE(f.report.overall(), 75);
        QCOMPARE(f.report.grade(), QString("Tốt"));
        QCOMPARE(f.report.gradeColor(), QString("#3B82F6"));
        QCOMPARE(f.report.generatedAt(), QString("17/05/2024 14:03:09"));
        QCOMPARE(f.report.categories().size(), 6);

        // Test results reach the next computation.
        f.perf.reportGpuBenchmark(900, 6.5, "Tốt");
        f.perf.reportGpuStress(85, "Ổn định");
        f.report.compute();
        QCOMPARE(f.report.categories()[3].toMap().value("score").toInt(), 68);
        QCOMPARE(f.report.categories()[5].toMap().value("note").toString(), QString("GPU 85%"));
    }

    void eachFormatIsWrittenAndAnnouncedOnce()
    {
        Fixture f;
        QSignalSpy exported(&f.report, &ReportController::exported);
        const QString html = f.report.exportReport("HTML");
        QVERIFY(f.report.ready()); // computed first
        QCOMPARE(html, QDir::toNativeSeparators(f.folder.filePath("Kelvaro_BaoCao_20240517_140309.html")));
        QCOMPARE(exported.count(), 1);
        QCOMPARE(exported[0], (QVariantList{html, true}));
        QCOMPARE(f.report.lastExport(), html);
        QCOMPARE(readAll(html), f.report.html().toUtf8());
        QVERIFY(readAll(html).contains("Vostro &amp; &lt;Co&gt;"));

        const QString json = f.report.exportReport("json");
        QCOMPARE(readAll(json), f.report.json());
        QVERIFY(readAll(json).startsWith("{\n"));

        const QString csv = f.report.exportReport("Csv");
        QVERIFY(csv.endsWith(".csv"));
        QCOMPARE(readAll(csv), QByteArray("\xEF\xBB\xBF") + f.report.csv().toUtf8());
        QCOMPARE(exported.count(), 3);
        QCOMPARE(f.report.lastExport(), csv);

        // The same format in the same second replaces the file.
        QVERIFY(f.report.exportReport("csv") == csv);
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files).size(), 3);
    }

    void pdfIsPagedA4WithTitleAndVietnameseText()
    {
        Fixture f;
        const QString pdf = f.report.exportReport("pdf");
        QVERIFY(!pdf.isEmpty());
        const QByteArray bytes = readAll(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        const QString title = QStringLiteral("Kelvaro — Báo cáo kiểm định");
        QByteArray utf16("\xFE\xFF");
        for (QChar c : title)
            utf16 += char(c.unicode() >> 8), utf16 += char(c.unicode() & 0xFF);
        QVERIFY(bytes.contains("/Title (" + utf16 + ")"));
        const int box = bytes.indexOf("/MediaBox");
        QVERIFY2(QRegularExpression(R"(^/MediaBox \[0 0 595(\.0+)? 842(\.0+)?\])")
                     .match(QString::fromLatin1(bytes.mid(box, 40)))
                     .hasMatch(),
                 bytes.mid(box, 40).constData());

        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *words :
             {"Phiếu kiểm định máy tính toàn diện", "Đánh giá theo hạng mục", "Vostro & <Co>",
              "Kiểm tra ổn định", "Báo cáo được tạo tự động bởi Kelvaro"})
            QVERIFY2(extracted.contains(QString::fromUtf8(words)), words);
        // Readable sizes: the page is not one huge canvas with specks of text.
        QVERIFY(extracted.count('\n') > 40);
    }

    void failuresWriteNothingAndSayItOnce()
    {
        Fixture f;
        f.report.exportReport("json");
        const QString before = f.report.lastExport();
        QSignalSpy exported(&f.report, &ReportController::exported);

        QCOMPARE(f.report.exportReport("xml"), QString());
        QCOMPARE(exported.count(), 1);
        QCOMPARE(exported[0], (QVariantList{QString(), false}));
        QCOMPARE(f.report.lastExport(), before);
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files).size(), 1);

        // A folder below a plain file can be neither created nor written, even by root.
        QFile blocker(f.folder.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.report.setExportFolder(f.folder.filePath("blocker/reports"));
        for (const char *format : {"pdf", "html", "json", "csv"}) {
            exported.clear();
            QCOMPARE(f.report.exportReport(format), QString());
            QCOMPARE(exported.count(), 1);
            QCOMPARE(exported[0], (QVariantList{QString(), false}));
        }
        QCOMPARE(f.report.lastExport(), before);
    }

    void missingFolderIsCreated()
    {
        Fixture f;
        f.report.setExportFolder(f.folder.filePath("a/b"));
        const QString path = f.report.exportReport("json");
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(f.folder.filePath("a/b")).absoluteFilePath());
        QVERIFY(QFile::exists(path));
    }

    void folderFallback()
    {
        QTemporaryDir home;
        const QString desktop = home.filePath("Desktop");
        const QString documents = home.filePath("Documents");
        QCOMPARE(firstExistingFolder({desktop, documents}, home.path()), home.path());
        QDir().mkpath(documents);
        QCOMPARE(firstExistingFolder({desktop, documents}, home.path()), documents);
        QCOMPARE(firstExistingFolder({QString(), documents}, home.path()), documents);
        QDir().mkpath(desktop);
        QCOMPARE(firstExistingFolder({desktop, documents}, home.path()), desktop);
        QCOMPARE(exportFileName("PDF", kFixedTime), QString("Kelvaro_BaoCao_20240517_140309.pdf"));
    }

    void screenTestComesFromTheDisplayController()
    {
        Fixture f;
        f.report.compute();
        QVERIFY(!f.report.html().contains("Kiểm tra màn hình"));
        QObject display;
        display.setProperty("faults", QStringList{"Sọc ngang"});
        display.setProperty("note", "");
        display.setProperty("verdict", "Màn hình có lỗi");
        display.setProperty("verdictLevel", "bad");
        display.setProperty("confirmed", true);
        f.report.setDisplayController(&display);
        QVERIFY(f.report.html().contains("<li>Sọc ngang</li>"));
    }

    void pathsForTheFileManager()
    {
        Fixture f;
#ifdef Q_OS_WIN
        QCOMPARE(f.report.toLocalPath(QUrl("file:///C:/Users/An/Desktop")),
                 QString("C:\\Users\\An\\Desktop"));
#else
        QCOMPARE(f.report.toLocalPath(QUrl("file:///home/an/B%C3%A1o%20c%C3%A1o")),
                 QString("/home/an/Báo cáo"));
#endif
        QCOMPARE(f.report.toLocalPath(QUrl("https://example.com/a%20b?x=1")),
                 QString("https://example.com/a b?x=1"));
        QCOMPARE(explorerSelectArguments("C:/Users/An/Kelvaro_BaoCao.pdf"),
                 (QStringList{"/select,", "C:\\Users\\An\\Kelvaro_BaoCao.pdf"}));
    }
};

KELVARO_TEST(TestReportController)
#include "tst_reportcontroller.moc"
