#include "fakecollector.h"
#include "hardware/hardwarecontroller.h"
#include "interactive/audiocontroller.h"
#include "interactive/displaycontroller.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

namespace {

// One built-in panel and one external monitor running below its native mode.
HardwareSnapshot twoMonitors()
{
    HardwareSnapshot snapshot;
    snapshot.displays = {
        QVariantMap{{"primary", true},
                    {"model", "LQ156M1"},
                    {"vendor", "Sharp"},
                    {"resolution", "1920 x 1080"},
                    {"nativeResolution", "1920 x 1080"},
                    {"refresh", "144 Hz"}},
        QVariantMap{{"primary", false}, {"resolution", "1280 x 720"}, {"nativeResolution", "2560 x 1440"}}};
    return snapshot;
}

} // namespace

class Controllers : public QObject {
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral(KELVARO_QML_DIR));
        // Each test file gets its own engine and so its own controllers.
        auto *hardware = new HardwareController(fakeCollectorFactory(twoMonitors()), engine);
        engine->rootContext()->setContextProperty(QStringLiteral("Hardware"), hardware);
        engine->rootContext()->setContextProperty(QStringLiteral("Display"), new DisplayController(engine));
        engine->rootContext()->setContextProperty(QStringLiteral("Audio"), new AudioController(engine));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(kelvaro_interactive, Controllers)

#include "tst_interactive_qml.moc"
