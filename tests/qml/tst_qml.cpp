#include "perf/frameclock.h"

#include <QQmlEngine>
#include <QtQuickTest>

class NativeTypes : public QObject {
    Q_OBJECT

public slots:
    void applicationAvailable() { qmlRegisterType<FrameClock>("Kelvaro", 1, 0, "FrameClock"); }
    // The module's own documents come from the source tree.
    void qmlEngineAvailable(QQmlEngine *engine) { engine->addImportPath(QStringLiteral(KELVARO_QML_DIR)); }
};

QUICK_TEST_MAIN_WITH_SETUP(kelvaro, NativeTypes)

#include "tst_qml.moc"
