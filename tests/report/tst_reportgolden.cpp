// Whole reports of recorded machines, byte for byte, as the export command writes them.
#include "fakecollector.h"
#include "golden.h"
#include "interactive/displaycontroller.h"
#include "perf/perfcontroller.h"
#include "report/reportcontroller.h"
#include "steprun.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

class TestReportGolden : public QObject {
    Q_OBJECT

    void exportMachine(const QString &name, const std::function<void(PerfController &)> &tests,
                       DisplayController *display, const QString &profile = {})
    {
        const std::shared_ptr<platform::Source> source =
            replayProfile(profile.isEmpty() ? "report/" + name + "-profile.json" : profile);
        QVERIFY(source);
        HardwareController hardware([source] { return std::make_unique<WindowsCollector>(source); });
        PerfSettings settings;
        settings.source = source;
        PerfController perf(settings);
        ReportController report(&hardware, &perf);
        report.setDisplayController(display);
        QTemporaryDir folder;
        report.setExportFolder(folder.path());
        report.setClock([] { return QDateTime(QDate(2024, 5, 17), QTime(14, 3, 9)); });

        QVERIFY(completeScan(hardware, 20000));
        if (tests)
            tests(perf);
        report.compute();
        for (const QString format : {"html", "json", "csv"}) {
            const QString path = report.exportReport(format);
            QCOMPARE(QFileInfo(path).fileName(), "Kelvaro_BaoCao_20240517_140309." + format);
            const QString mismatch = goldenMismatch(fileBytes(path), "report/" + name + "." + format);
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        }
    }

private slots:
    void laptopWithTestsAndScreenCheck()
    {
        // As the marking sheet saves two marked defects and a note.
        DisplayController display;
        display.setResult({"Điểm chết", "Hở sáng"}, "Góc dưới trái <2 điểm>", "Phát hiện 2 lỗi cần lưu ý",
                          "warn");
        exportMachine(
            "laptop",
            [](PerfController &perf) {
                perf.reportGpuBenchmark(2150, 3.84, "Trung bình");
                perf.reportGpuStress(92, "Ổn định");
            },
            &display);
    }

    // A screen test that was saved and cleared again leaves the report as if never run.
    void desktopUntested()
    {
        DisplayController display;
        display.setResult({"Sọc dọc"}, "x", "Phát hiện 1 lỗi cần lưu ý", "bad");
        display.reset();
        exportMachine("desktop", {}, &display);
    }

    // A Ryzen laptop whose only graphics is the processor's Radeon, measured like one: scored and
    // judged as integrated graphics, and, matching no catalogue entry, given no verdict.
    void apuLaptopWithGpuTests()
    {
        exportMachine(
            "apu-laptop",
            [](PerfController &perf) {
                perf.reportGpuBenchmark(1300, 2.6, "Khá (tích hợp)");
                perf.reportGpuStress(55, "Dao động (GPU tích hợp) — kiểm tra tản nhiệt");
            },
            nullptr, "profiles/apu-laptop.json");
    }
};

KELVARO_TEST(TestReportGolden)
#include "tst_reportgolden.moc"
