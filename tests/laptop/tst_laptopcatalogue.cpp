#include "laptop/laptopcatalogue.h"
#include "laptop/laptopchecks.h"
#include "testregistry.h"

#include <QCryptographicHash>
#include <QSet>
#include <QTest>

class TestLaptopCatalogue : public QObject {
    Q_OBJECT

private slots:
    void entriesPerMaker()
    {
        const QVector<LaptopModel> &catalogue = laptopCatalogue();
        QCOMPARE(catalogue.size(), 54);
        QMap<QString, int> makers;
        for (const LaptopModel &entry : catalogue)
            ++makers[entry.brand];
        const QMap<QString, int> expected{{"HP", 13},    {"Dell", 11},   {"Lenovo", 10}, {"ASUS", 6},
                                          {"Acer", 6},   {"MSI", 4},     {"LG", 1},      {"Microsoft", 1},
                                          {"HUAWEI", 1}, {"GIGABYTE", 1}};
        QCOMPARE(makers, expected);
    }

    void keysAreLowerCaseAndBounded()
    {
        const QSet<QString> vendorWords{"intel", "amd", "ryzen", "athlon"};
        for (const LaptopModel &entry : laptopCatalogue()) {
            QVERIFY2(entry.matchKeys.size() >= 2 && entry.matchKeys.size() <= 7, qPrintable(entry.series));
            for (const QString &key : entry.matchKeys) {
                QVERIFY2(!key.isEmpty() && key == key.toLower(), qPrintable(entry.series + ": " + key));
            }
            for (const QString &key : entry.cpuKeys)
                QVERIFY2(vendorWords.contains(key), qPrintable(entry.series + ": " + key));
        }
    }

    void solderedMemoryAndSlots()
    {
        const QVector<LaptopModel> &catalogue = laptopCatalogue();
        QSet<int> withoutSlots;
        QSet<int> withFourSlots;
        for (int i = 0; i < catalogue.size(); ++i) {
            const LaptopModel &entry = catalogue[i];
            QVERIFY(entry.cpuSoldered);
            QVERIFY(QSet<int>({0, 1, 2, 4}).contains(entry.ramSlots));
            if (entry.ramSlots == 0)
                withoutSlots.insert(i + 1);
            if (entry.ramSlots == 4)
                withFourSlots.insert(i + 1);
        }
        QCOMPARE(withoutSlots, QSet<int>({14, 22, 25, 27, 40, 44, 52}));
        QCOMPARE(withFourSlots, QSet<int>({26}));
        QCOMPARE(catalogue[25].series, QString("HP ZBook 15/17 (workstation)"));
    }

    void swapGroupsAreUnique()
    {
        QSet<QString> groups;
        for (const LaptopModel &entry : laptopCatalogue()) {
            QVERIFY(!entry.swapGroup.isEmpty());
            QVERIFY2(!groups.contains(entry.swapGroup), qPrintable(entry.swapGroup));
            groups.insert(entry.swapGroup);
        }
    }

    // Every entry's memory type must name a generation, or its memory is never compared.
    void memoryTypesNameAGeneration()
    {
        for (const LaptopModel &entry : laptopCatalogue())
            QVERIFY2(!ddrGeneration(entry.ramType).isEmpty(), qPrintable(entry.series));
        QCOMPARE(ddrGeneration(laptopCatalogue()[34].ramType), QString("ddr4"));
    }

    // The advice must not contradict the entry: soldered memory cannot be raised, slotted can.
    void upgradeNotesFitTheirEntry()
    {
        for (const LaptopModel &entry : laptopCatalogue()) {
            const QString note = entry.upgradeNote;
            QVERIFY2(note.endsWith('.') && note.contains("RAM"), qPrintable(entry.series));
            if (entry.ramSlots == 0) {
                QVERIFY2(note.contains("không nâng"), qPrintable(entry.series));
            } else {
                QVERIFY2(note.contains("khe"), qPrintable(entry.series));
                QVERIFY2(!note.contains("không nâng"), qPrintable(entry.series));
            }
        }
        QCOMPARE(
            laptopCatalogue()[13].upgradeNote,
            QString(
                "CẢ CPU lẫn RAM đều hàn chết, không nâng cấp được - chỉ thay SSD M.2 2280. Cần dung lượng "
                "cao phải chọn cấu hình từ đầu."));
    }

    // The file is read strictly: a misspelt, missing or mistyped field must not leave a default.
    void malformedEntriesAreRejected()
    {
        const QByteArray whole =
            R"({"brand": "B", "series": "S", "matchKeys": ["a", "b"], "cpuKeys": [], "formFactor": "",
                "cpuPlatform": "", "cpuSoldered": true, "cpuOptions": "", "maxRam": "", "ramSlots": 2,
                "ramType": "", "boardId": "", "swapGroup": "g", "upgradeNote": ""})";
        QString error;
        const auto good = parseLaptopCatalogue("[" + whole + "]", &error);
        QVERIFY2(good && good->size() == 1 && good->at(0).ramSlots == 2, qPrintable(error));
        const QList<QPair<QByteArray, QByteArray>> cases{
            {"\"swapGroup\"", "\"swapgroup\""},
            {"\"ramSlots\": 2", "\"ramSlots\": 2.5"},
            {"\"cpuSoldered\": true", "\"cpuSoldered\": 1"},
            {"[\"a\", \"b\"]", "[\"a\", 2]"},
            {"\"upgradeNote\": \"\"", "\"upgradeNote\": \"\", \"extra\": 1"}};
        for (const auto &[from, to] : cases) {
            QByteArray broken = whole;
            broken.replace(from, to);
            QVERIFY2(!parseLaptopCatalogue("[" + whole + "," + broken + "]", &error), to.constData());
            QVERIFY2(error.startsWith("entry 2: "), qPrintable(error));
        }
    }

    // Digest of every table field, taken from the reviewed tables (with "HP ProBook 640/650 G4-G8"
    // keyed to Intel processors); any edit of the data (a re-typed dash or quote, a lost key)
    // changes it.
    void tableTextsUnchanged()
    {
        QStringList rows;
        for (const LaptopModel &e : laptopCatalogue()) {
            rows << QStringList{e.brand,
                                e.series,
                                e.matchKeys.join(QChar(0x1e)),
                                e.cpuKeys.join(QChar(0x1e)),
                                e.formFactor,
                                e.cpuPlatform,
                                e.cpuOptions,
                                e.maxRam,
                                QString::number(e.ramSlots),
                                e.ramType,
                                e.boardId,
                                e.swapGroup}
                        .join(QChar(0x1f));
        }
        const QByteArray digest =
            QCryptographicHash::hash(rows.join('\n').toUtf8(), QCryptographicHash::Sha256);
        QCOMPARE(digest.toHex(),
                 QByteArray("65335fddefe2f30d400cae9f212d8d6621d79983d82dc523aa438a9f9faf6287"));
    }
};

KELVARO_TEST(TestLaptopCatalogue)
#include "tst_laptopcatalogue.moc"
