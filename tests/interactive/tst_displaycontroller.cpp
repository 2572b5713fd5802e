#include "interactive/displaycontroller.h"
#include "testregistry.h"

#include <QSignalSpy>
#include <QTest>

class TestDisplayController : public QObject {
    Q_OBJECT

private slots:
    void savedPassIsCleared()
    {
        DisplayController display;
        QSignalSpy changed(&display, &DisplayController::changed);
        display.reset();
        QCOMPARE(changed.count(), 0);

        display.setResult({}, {}, "Màn hình đạt — không phát hiện lỗi", "ok");
        QCOMPARE(changed.count(), 1);
        QVERIFY(display.confirmed());

        // A saved pass has no faults and no note, yet clearing it must still be announced.
        display.reset();
        QCOMPARE(changed.count(), 2);
        QVERIFY(!display.confirmed());
        QVERIFY(display.verdict().isEmpty());
        QVERIFY(display.verdictLevel().isEmpty());
        display.reset();
        QCOMPARE(changed.count(), 2);
    }
};

KELVARO_TEST(TestDisplayController)
#include "tst_displaycontroller.moc"
