#include "datarow.h"
#include "fakecollector.h"
#include "hardware/hardwarecontroller.h"
#include "laptop/laptopcatalogue.h"
#include "laptop/laptopcontroller.h"
#include "realmachines.h"
#include "testregistry.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QStringList labelsOf(const QVariantList &findings)
{
    QStringList labels;
    for (const QVariant &finding : findings)
        labels << finding.toMap().value("label").toString();
    return labels;
}

} // namespace

class TestLaptopController : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyAndNeverEvaluatesOnItsOwn()
    {
        HardwareController hardware(snapshotsInTurn({}));
        LaptopController laptop(&hardware);
        QSignalSpy changed(&laptop, &LaptopController::matchChanged);
        QCOMPARE(laptop.knownModels(), laptopCatalogue().size());
        QVERIFY(!laptop.found() && laptop.findings().isEmpty());
        QTest::qWait(50);
        QCOMPARE(changed.count(), 0);

        LaptopController detached(nullptr);
        QCOMPARE(detached.knownModels(), laptopCatalogue().size());
    }

    void evaluatesOncePerScanBeforeLaterHandlers()
    {
        HardwareController hardware(snapshotsInTurn({realMachine("D01"), realMachine("D05")}));
        LaptopController laptop(&hardware);
        QSignalSpy changed(&laptop, &LaptopController::matchChanged);

        QList<QPair<int, bool>> seenByLaterHandler;
        connect(&hardware, &HardwareController::dataChanged, this,
                [&]() { seenByLaterHandler << qMakePair(changed.count(), laptop.found()); });

        QVERIFY(completeScan(hardware));
        QCOMPARE(changed.count(), 1);
        QVERIFY(laptop.found());

        // A rescan of a desktop replaces every member at once.
        QVERIFY(completeScan(hardware));
        QCOMPARE(changed.count(), 2);
        QVERIFY(!laptop.found());
        QVERIFY(!laptop.isLaptop());
        QVERIFY(laptop.findings().isEmpty());
        QVERIFY(laptop.verdict().isEmpty());

        QCOMPARE(seenByLaterHandler, (QList<QPair<int, bool>>{{1, true}, {2, false}}));
    }

    void realMachinesEndToEnd_data()
    {
        addColumns<QString, QString, QStringList, QString, int>("id", "series", "labels", "title", "score");

        const QString cpu = "CPU đúng cấu hình hãng", board = "Bo mạch chủ", room = "RAM còn nâng cấp được",
                      full = "RAM đã đạt mức tối đa", rare = "CPU không có trong danh sách phổ biến",
                      noData = "Không đủ dữ liệu";
        addRow("Dell Latitude 7490", "D01", "Dell Latitude E7470/7480/7490", QStringList{cpu, board, room},
               "Nguyên bản", 100);
        addRow("Lenovo E14 by type code", "D02", "Lenovo ThinkPad E14/E15", QStringList{cpu, board, room},
               "Nguyên bản", 100);
        addRow("ZenBook with LPDDR3, an entry of LPDDR4x only", "D03", "", QStringList{full}, noData, 0);
        addRow("Toshiba outside the catalogue", "D04", "",
               QStringList{"RAM không đồng nhất giữa các khe", room}, noData, 0);
        addRow("Dell desktop", "D05", "", QStringList{}, "", 0);
        addRow("Gigabyte desktop", "D06", "", QStringList{}, "", 0);
        addRow("ThinkPad T450 with DDR3L", "D07", "Lenovo ThinkPad T440/T450/T460/T470",
               QStringList{cpu, board, room}, "Nguyên bản", 100);
        addRow("EliteBook 840 G1 with DDR3 is no G5-G7", "D08", "", QStringList{room}, noData, 0);
        addRow("ProBook 645 G4 with Ryzen is no Intel ProBook 640", "D09", "", QStringList{room}, noData, 0);
        addRow("Inspiron 15-3552 with DDR3", "D10", "", QStringList{room}, noData, 0);
        addRow("Surface Pro 4 with LPDDR3", "D11", "", QStringList{full}, noData, 0);
        addRow("ThinkPad X250 with DDR3L, processor not listed", "D12", "Lenovo ThinkPad X230/X240/X250/X260",
               QStringList{rare, board, room}, "Đã nâng cấp hợp lệ", 91);
        addRow("Latitude 5480, memory type unknown: no skip", "D13", "Dell Latitude 5480/5490/5500",
               QStringList{rare, board, "RAM không đồng nhất giữa các khe", room}, "Đã nâng cấp hợp lệ", 88);
    }

    void realMachinesEndToEnd()
    {
        QFETCH(QString, id);
        QFETCH(QString, series);
        QFETCH(QStringList, labels);
        QFETCH(QString, title);
        QFETCH(int, score);

        const HardwareSnapshot machine = realMachine(id);
        QVERIFY2(!machine.system.isEmpty(), "test data missing");
        HardwareController hardware(snapshotsInTurn({machine}));
        LaptopController laptop(&hardware);
        QVERIFY(completeScan(hardware));

        QCOMPARE(laptop.isLaptop(), !title.isEmpty());
        QCOMPARE(laptop.found(), !series.isEmpty());
        QCOMPARE(laptop.board().value("series").toString(), series);
        QCOMPARE(labelsOf(laptop.findings()), labels);
        QCOMPARE(laptop.verdict().value("title").toString(), title);
        QCOMPARE(laptop.verdict().value("score").toInt(), score);
    }
};

KELVARO_TEST(TestLaptopController)
#include "tst_laptopcontroller.moc"
