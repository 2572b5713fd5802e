#include "perf/frameclock.h"

#include <QQmlEngine>
#include <QtQuickTest>

class NativeTypes : public QObject {
    Q_OBJECT

public slots:
    void applicationAvailable() { qmlRegisterType<FrameClock>("Kelvaro", 1, 0, "FrameClock"); }
};

QUICK_TEST_MAIN_WITH_SETUP(kelvaro, NativeTypes)

#include "tst_qml.moc"
