#include "hardware/gpukind.h"
#include "hardware/hardwarecontroller.h"
#include "platform/linux/adapter_names.h"
#include "testdata.h"
#include "testregistry.h"

#include <QTest>

class TestGpuKind : public QObject {
    Q_OBJECT

private slots:
    // Real names of both kinds, as Windows reports them and as the Linux backend makes them from
    // the PCI ID list (tests/data/gpu/README.md).
    void realAdapterNames()
    {
        const QStringList lines = QString::fromUtf8(testDataBytes("gpu/adapter-kinds.txt")).split('\n');
        int rows = 0;
        QStringList wrong;
        for (const QString &line : lines) {
            if (line.trimmed().isEmpty() || line.startsWith('#'))
                continue;
            const QStringList field = line.split('|');
            QCOMPARE(field.size(), 6);
            const QString kind = field[0].trimmed();
            QString vendor = field[2].trimmed();
            QString name = field[3].trimmed();
            if (field[1].trimmed() == "pci")
                name = QString::fromStdString(
                    platform::linuxbackend::adapterName({vendor.toStdString(), name.toStdString()}));
            const QVariantMap gpu{{"vendor", vendor}, {"name", name}, {"vram", field[4].trimmed()}};
            if (isDedicatedGpu(gpu) != (kind == "dedicated"))
                wrong << kind + ": " + name + " (" + field[5].trimmed() + ")";
            ++rows;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("\n")));
        QVERIFY(rows >= 40);
    }

    // The pages ask the inventory controller, so they cannot disagree with the score.
    void reachableFromQml()
    {
        HardwareController hardware;
        bool dedicated = true;
        const QVariantMap apu{{"vendor", "Advanced Micro Devices, Inc."},
                              {"name", "AMD Radeon(TM) Vega 8 Graphics"}};
        QVERIFY(QMetaObject::invokeMethod(&hardware, "isDedicatedGpu", Q_RETURN_ARG(bool, dedicated),
                                          Q_ARG(QVariantMap, apu)));
        QVERIFY(!dedicated);
    }
};

KELVARO_TEST(TestGpuKind)
#include "tst_gpukind.moc"
