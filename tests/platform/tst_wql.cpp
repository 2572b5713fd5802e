#include "platform/linux/sysroot.h"
#include "platform/wql.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using platform::parseWql;

class TestWql : public QObject {
    Q_OBJECT

private slots:
    // The collector's own queries run in every recorded-tree case (tst_linuxbattery, tst_linuxgraphics).
    void parsesOddlyWrittenQueries()
    {
        const auto star = parseWql("  select * from MSAcpi_ThermalZoneTemperature where Active = TRUE ");
        QVERIFY(star);
        QVERIFY(star->properties.empty());
        QCOMPARE(star->className, std::string("MSAcpi_ThermalZoneTemperature"));

        // Names that merely contain the keywords are not keywords.
        const auto tricky = parseWql("SELECT FromDate,Selected  FROM Fromage");
        QVERIFY(tricky);
        QCOMPARE(tricky->className, std::string("Fromage"));
        QCOMPARE(tricky->properties, (std::vector<std::string>{"FromDate", "Selected"}));
    }

    void rejectsWhatIsNotASelect()
    {
        for (const char *text : {"", "SELECT", "SELECT FROM X", "SELECT a FROM", "DELETE a FROM X",
                                 "SELECT a,,b FROM X", "SELECTa FROM X"})
            QVERIFY2(!parseWql(text), text);
    }

    void selectKeepsRequestedPresentValues()
    {
        const platform::Row row{{"Name", std::string("x")}, {"Empty", std::string()},       {"Zero", 0},
                                {"False", false},           {"Codes", platform::IntList{}}, {"Other", 5},
                                {"None", std::monostate{}}};
        const auto q = parseWql("SELECT name, Empty, Zero, False, Codes, None FROM C");
        const platform::Row out = platform::applySelect(row, *q);
        QCOMPARE(out.size(), std::size_t(3));
        QVERIFY(out.count("Name") && out.count("Zero") && out.count("False"));
    }

    void sysrootReadsBelowItsFolder()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("sys/class/x");
        QFile f(dir.filePath("sys/class/x/value"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("  42 \nsecond line\n");
        f.close();
        QFile garbage(dir.filePath("sys/class/x/garbage"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("12abc\n");
        garbage.close();

        const platform::linuxbackend::SysRoot root(dir.path().toStdString() + "/");
        QVERIFY(!root.isLive());
        QCOMPARE(root.readAttribute("/sys/class/x/value").value(), std::string("42"));
        QCOMPARE(root.readInteger("/sys/class/x/value").value(), 42LL);
        QVERIFY(!root.readInteger("/sys/class/x/garbage"));
        QVERIFY(!root.readAttribute("/sys/class/x/missing"));
        QCOMPARE(root.listDir("/sys/class/x"), (std::vector<std::string>{"garbage", "value"}));
        QVERIFY(root.listDir("/nowhere").empty());
        QCOMPARE(root.readFile("/sys/class/x/value", 4).value(), std::string("  42"));
        QVERIFY(platform::linuxbackend::SysRoot("/").isLive());
    }
};

KELVARO_TEST(TestWql)
#include "tst_wql.moc"
