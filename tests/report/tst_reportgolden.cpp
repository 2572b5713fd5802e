// Whole reports of two recorded machines, byte for byte, as the export command writes them.
#include "hardware/hardwarecontroller.h"
#include "hardware/profile/profilejson.h"
#include "hardware/profile/replaysource.h"
#include "hardware/windowscollector.h"
#include "perf/perfcontroller.h"
#include "report/reportcontroller.h"
#include "testregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kGolden = QStringLiteral(KELVARO_TEST_DATA "/report/");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::shared_ptr<platform::Source> replay(const QString &profile)
{
    ProfileParse parsed = readProfile(kGolden + profile);
    if (!parsed.data)
        return {};
    return std::make_shared<ReplaySource>(std::make_shared<const ProfileData>(std::move(*parsed.data)));
}

// On a mismatch the actual file is kept beside the test program for a diff.
void compareWithGolden(const QString &written, const QString &golden)
{
    const QByteArray actual = readAll(written);
    const QByteArray expected = readAll(kGolden + golden);
    if (actual != expected) {
        const QString kept = QCoreApplication::applicationDirPath() + "/actual-" + golden;
        QFile::remove(kept);
        QFile::copy(written, kept);
    }
    QVERIFY2(!expected.isEmpty(), qPrintable(golden));
    QVERIFY2(actual == expected,
             qPrintable(golden + " differs; see " + QCoreApplication::applicationDirPath()));
}

} // namespace

class TestReportGolden : public QObject {
    Q_OBJECT

    void exportMachine(const QString &name, const std::function<void(PerfController &)> &tests,
                       QObject *display)
    {
        const auto source = replay(name + "-profile.json");
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

        QSignalSpy scanned(&hardware, &HardwareController::dataChanged);
        hardware.scan();
        QVERIFY(scanned.wait(20000));
        if (tests)
            tests(perf);
        report.compute();
        for (const QString format : {"html", "json", "csv"}) {
            const QString path = report.exportReport(format);
            QCOMPARE(QFileInfo(path).fileName(), "Kelvaro_BaoCao_20240517_140309." + format);
            compareWithGolden(path, name + "." + format);
        }
    }

private slots:
    void laptopWithTestsAndScreenCheck()
    {
        QObject display;
        display.setProperty("faults", QStringList{"Điểm chết (dead pixel)", "Hở sáng viền"});
        display.setProperty("note", "Góc dưới trái <2 điểm>");
        display.setProperty("verdict", "Màn hình có lỗi nhẹ");
        display.setProperty("verdictLevel", "warn");
        display.setProperty("confirmed", true);
        exportMachine(
            "laptop",
            [](PerfController &perf) {
                perf.reportGpuBenchmark(2150, 3.84, "Trung bình");
                perf.reportGpuStress(92, "Ổn định");
            },
            &display);
    }

    void desktopUntested() { exportMachine("desktop", {}, nullptr); }
};

KELVARO_TEST(TestReportGolden)
#include "tst_reportgolden.moc"
