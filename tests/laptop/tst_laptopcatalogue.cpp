#include "laptop/laptopcatalogue.h"
#include "laptop/laptopchecks.h"
#include "testregistry.h"

#include <QCryptographicHash>
#include <QSet>
#include <QTest>

class TestLaptopCatalogue : public QObject {
    Q_OBJECT

private slots:
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

    void solderedProcessorsAndSlotCounts()
    {
        for (const LaptopModel &entry : laptopCatalogue()) {
            QVERIFY2(entry.cpuSoldered, qPrintable(entry.series));
            QVERIFY2(QSet<int>({0, 1, 2, 4}).contains(entry.ramSlots), qPrintable(entry.series));
        }
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

    // Digest of every field of every entry, in order, taken from the reviewed tables (with "HP
    // ProBook 640/650 G4-G8" keyed to Intel processors); any edit of the data (a re-typed dash or
    // quote, a lost key, an entry more or less) changes it.
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
                                e.swapGroup,
                                e.cpuSoldered ? "1" : "0",
                                e.upgradeNote}
                        .join(QChar(0x1f));
        }
        const QByteArray digest =
            QCryptographicHash::hash(rows.join('\n').toUtf8(), QCryptographicHash::Sha256);
        QCOMPARE(digest.toHex(),
                 QByteArray("be58798e0987ee91c977bc6e1a913620a55a3cc68986baa0f97a746fa6b09982"));
    }
};

KELVARO_TEST(TestLaptopCatalogue)
#include "tst_laptopcatalogue.moc"
