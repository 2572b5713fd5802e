#include "report/dataexports.h"
#include "report/healthscore.h"
#include "testregistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

ReportSummary summaryOf(const ReportInputs &in)
{
    ReportSummary summary = computeScore(in);
    summary.generatedAt = "17/05/2024 14:03:09";
    return summary;
}

} // namespace

class TestDataExports : public QObject {
    Q_OBJECT

private slots:
    void jsonCarriesScoreSnapshotAndTests()
    {
        ReportInputs in;
        in.hardware.cpu = {{"name", "i5"}, {"threads", 8}, {"cores", 4}};
        in.hardware.disks = {QVariantMap{{"mediaType", "SSD"}, {"healthPercent", 99}}};
        in.hardware.battery = {{"present", true}, {"wearValue", 13.25}};
        in.gpuResult = {{"tested", true}, {"throughput", 7.5}};
        const QByteArray bytes = reportJson(summaryOf(in), in);

        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(bytes, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(root.keys(), (QStringList{"categories", "generatedAt", "grade", "hardware", "kelvaroScore",
                                           "tests", "tool"}));
        QCOMPARE(root.value("tool").toString(), QString("Kelvaro"));
        QCOMPARE(root.value("generatedAt").toString(), QString("17/05/2024 14:03:09"));
        QVERIFY(root.value("kelvaroScore").isDouble());
        QCOMPARE(root.value("kelvaroScore").toInt(), summaryOf(in).overall);
        QVERIFY(bytes.contains("\"kelvaroScore\": " + QByteArray::number(summaryOf(in).overall) + ",\n"));

        const QJsonArray categories = root.value("categories").toArray();
        QCOMPARE(categories.size(), 6);
        const QJsonObject stability = categories[5].toObject();
        QCOMPARE(stability.keys(), (QStringList{"na", "name", "note", "score", "weight"}));
        QCOMPARE(stability.value("na").toBool(), true);
        QCOMPARE(stability.value("score").toInt(-1), 0);

        const QJsonObject hardware = root.value("hardware").toObject();
        QCOMPARE(hardware.keys(), (QStringList{"battery", "bluetooth", "cpu", "disks", "displays", "gpus",
                                               "network", "ram", "ramModules", "system"}));
        QVERIFY(hardware.value("bluetooth").isObject());
        QVERIFY(hardware.value("bluetooth").toObject().isEmpty());
        QVERIFY(hardware.value("displays").toArray().isEmpty());
        QCOMPARE(hardware.value("cpu").toObject().value("threads").toInt(), 8);
        QCOMPARE(hardware.value("disks").toArray()[0].toObject().value("healthPercent").toInt(), 99);
        QCOMPARE(hardware.value("battery").toObject().value("wearValue").toDouble(), 13.25);

        const QJsonObject tests = root.value("tests").toObject();
        QVERIFY(tests.value("benchmark").toObject().isEmpty());
        QCOMPARE(tests.value("gpu").toObject().value("throughput").toDouble(), 7.5);

        // Indented four spaces per level, no byte-order mark.
        QVERIFY(bytes.startsWith("{\n    \"categories\": [\n        {\n            \"na\": false,"));
    }

    void csvLinesAndQuoting()
    {
        ReportInputs in;
        in.hardware.gpus = {QVariantMap{{"name", "GPU \"Pro\", 8 GB"}}};
        const QString csv = reportCsv(summaryOf(in));
        const QStringList lines = csv.split('\n');
        QCOMPARE(lines.mid(0, 6),
                 (QStringList{"Kelvaro - Báo cáo kiểm định", "Thời gian,17/05/2024 14:03:09",
                              "Kelvaro Score,27", "Xếp loại,Yếu", "", "Hạng mục,Điểm,Trọng số,Ghi chú"}));
        QCOMPARE(lines[6], QString("CPU,30,22,\"0 lõi · 0 luồng\""));
        QCOMPARE(lines[7], QString("RAM,28,18,\"\""));
        QCOMPARE(lines[9], QString("GPU (tích hợp),46,22,\"GPU 'Pro', 8 GB · chưa kiểm tra\""));
        QCOMPARE(lines[10], QString("Pin,N/A,10,\"Máy bàn — không có pin\""));
        QCOMPARE(lines.size(), 13);
        QVERIFY(csv.endsWith("\"Chưa chạy stress/benchmark\"\n"));
        QVERIFY(!csv.startsWith(QChar(0xFEFF)));
    }

    void csvBeforeAnyComputationHasTheHeaderOnly()
    {
        ReportSummary empty;
        QCOMPARE(reportCsv(empty),
                 QString("Kelvaro - Báo cáo kiểm định\nThời gian,\nKelvaro Score,0\nXếp loại,\n\n"
                         "Hạng mục,Điểm,Trọng số,Ghi chú\n"));
    }

    void csvNoteCannotBecomeAFormula()
    {
        for (const char *name : {"=HYPERLINK(\"http://x\")", "+1+1", "-2+3", "@SUM(A1)"}) {
            ReportInputs in;
            in.hardware.gpus = {QVariantMap{{"name", name}}};
            const QString line = reportCsv(summaryOf(in)).split('\n')[9];
            QString expected = name;
            expected.replace('"', '\'');
            QCOMPARE(line, "GPU (tích hợp),46,22,\"'" + expected + " · chưa kiểm tra\"");
        }
        // Inside the note the characters are harmless and stay.
        ReportInputs in;
        in.hardware.gpus = {QVariantMap{{"name", "RX 580 =x"}}};
        QVERIFY(reportCsv(summaryOf(in)).contains(",\"RX 580 =x · chưa kiểm tra\""));
    }
};

KELVARO_TEST(TestDataExports)
#include "tst_dataexports.moc"
