#include "app/windowrun.h"

#include "app/commandline.h"
#include "app/controllers.h"
#include "app/hardexit.h"
#include "app/startuplog.h"
#include "app/windowdriver.h"

#include <QCoreApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

void exposeControllers(QQmlContext *context, Controllers &controllers)
{
    context->setContextProperty(QStringLiteral("App"), &controllers.app);
    context->setContextProperty(QStringLiteral("Hardware"), &controllers.hardware);
    context->setContextProperty(QStringLiteral("Audio"), &controllers.audio);
    context->setContextProperty(QStringLiteral("Perf"), &controllers.perf);
    context->setContextProperty(QStringLiteral("Report"), &controllers.report);
    context->setContextProperty(QStringLiteral("Update"), &controllers.update);
    context->setContextProperty(QStringLiteral("Laptop"), &controllers.laptop);
    context->setContextProperty(QStringLiteral("Display"), &controllers.display);
}

// A start-up milestone for the first frame the window shows (measured by bench/).
void logFirstFrame(QObject *root)
{
    auto *window = qobject_cast<QQuickWindow *>(root);
    if (!window)
        return;
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [connection]() {
            // Frames queued before the first of these ran must not log again.
            if (QObject::disconnect(*connection))
                appendStartupLog(QStringLiteral("first frame shown"));
        },
        Qt::QueuedConnection);
}

} // namespace

int runWindow(QCoreApplication &app, Controllers &controllers, const CommandLine &commandLine,
              const QString &screenshotsDir)
{
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    exposeControllers(engine.rootContext(), controllers);
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, &app,
        [](QObject *object, const QUrl &) {
            if (!object)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);

    appendStartupLog(QStringLiteral("loading Main.qml"));
    engine.load(QUrl(QStringLiteral("qrc:/Kelvaro/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        appendStartupLog(QStringLiteral("FAILED: no root object (QML/scene-graph init failed)"));
        return -1;
    }
    QObject *root = engine.rootObjects().constFirst();
    logFirstFrame(root);
    QTextStream out(stdout);
    WindowDriver driver(root, {commandLine.inspect, commandLine.inspectPhases, screenshotsDir}, out);
    QObject::connect(&driver, &WindowDriver::finished, &app, [](int code, bool stuck) {
        // Whatever did not end may hang in a driver call: nothing waits for it.
        if (stuck)
            exitWithoutWaiting(code);
        QCoreApplication::exit(code);
    });
    driver.start();
    appendStartupLog(QStringLiteral("Main.qml loaded, entering event loop"));
    const int code = app.exec();
    out.flush();
    // A phase the watchdog skipped may still run, possibly stuck in a drive: nothing waits for it.
    if (controllers.hardware.scanning() || controllers.perf.benchRunning())
        exitWithoutWaiting(code);
    return code;
}
