#include "report/dataexports.h"
#include "report/healthscore.h"
#include "testregistry.h"

#include <QTest>

class TestDataExports : public QObject {
    Q_OBJECT

    static QString gpuLine(const QString &gpuName)
    {
        ReportInputs in;
        in.hardware.gpus = {QVariantMap{{"name", gpuName}}};
        return reportCsv(computeScore(in)).split('\n').value(9);
    }

private slots:
    void csvNotesStayOneTextField()
    {
        QCOMPARE(gpuLine("GPU \"Pro\", 8 GB"),
                 QString("GPU (tích hợp),46,22,\"GPU 'Pro', 8 GB · chưa kiểm tra\""));
        // A spreadsheet must not run a device name as a formula.
        QCOMPARE(gpuLine("=HYPERLINK(\"http://x\")"),
                 QString("GPU (tích hợp),46,22,\"'=HYPERLINK('http://x') · chưa kiểm tra\""));
        for (const char *start : {"+", "-", "@"})
            QVERIFY(gpuLine(QString(start) + "1").startsWith(QString("GPU (tích hợp),46,22,\"'") + start));
        QCOMPARE(gpuLine("RX 580 =x"), QString("GPU (tích hợp),46,22,\"RX 580 =x · chưa kiểm tra\""));
    }

    void csvBeforeAnyComputation()
    {
        QCOMPARE(reportCsv(ReportSummary()),
                 QString("Kelvaro - Báo cáo kiểm định\nThời gian,\nKelvaro Score,0\nXếp "
                         "loại,\n\nHạng mục,Điểm,Trọng số,Ghi chú\n"));
    }
};

KELVARO_TEST(TestDataExports)
#include "tst_dataexports.moc"
