#include "app/appcontroller.h"
#include "app/commandline.h"
#include "app/crashcapture.h"
#include "app/headlessexport.h"
#include "app/headlessphases.h"
#include "app/maximizefilter.h"
#include "app/startuplog.h"
#include "app/windowdriver.h"
#include "hardware/activesource.h"
#include "hardware/hardwarecontroller.h"
#include "hardware/profile/profilejson.h"
#include "hardware/profile/recordingsource.h"
#include "hardware/profile/replaysource.h"
#include "interactive/audiocontroller.h"
#include "interactive/displaycontroller.h"
#include "laptop/laptopcontroller.h"
#include "perf/frameclock.h"
#include "perf/perfcontroller.h"
#include "report/reportcontroller.h"
#include "update/updatecontroller.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kProfileError = 3;

QStringList argumentList(int argc, char *argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// A run without a window still needs the GUI application object; without a display the
// default platform would abort, so such runs use the offscreen one unless the user chose.
void preferOffscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// A platform named on the command line (-platform offscreen) or in the environment is the user's
// choice; otherwise the window needs a display server.
bool displayReachable(const QStringList &args)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const bool platformChosen = std::any_of(args.begin(), args.end(), [](const QString &arg) {
        return arg == QLatin1String("-platform") || arg.startsWith(QLatin1String("-platform="));
    });
    return platformChosen || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(args)
    return true;
#endif
}

void refuseSource(const QString &error)
{
    QTextStream(stderr) << "kelvaro: " << error << Qt::endl;
    appendStartupLog(QStringLiteral("source refused: ") + error);
}

// KELVARO_PROFILE replaces the live system for the whole run; KELVARO_SYSROOT moves the Linux
// backend's root. False when either names something unusable.
bool chooseSource()
{
    const QString sysRoot = qEnvironmentVariable("KELVARO_SYSROOT");
    if (!sysRoot.isEmpty() && !QFileInfo(sysRoot).isDir()) {
        refuseSource(QStringLiteral("%1: KELVARO_SYSROOT is not a folder").arg(sysRoot));
        return false;
    }
    const QString profilePath = qEnvironmentVariable("KELVARO_PROFILE");
    if (profilePath.isEmpty())
        return true;
    ProfileParse parsed = readProfile(profilePath);
    if (!parsed.data) {
        refuseSource(parsed.error);
        return false;
    }
    appendStartupLog(QStringLiteral("replaying profile ") + profilePath);
    setActiveSource(
        std::make_shared<ReplaySource>(std::make_shared<const ProfileData>(std::move(*parsed.data))));
    return true;
}

int recordProfile(HardwareController &hardware, const std::shared_ptr<RecordingSource> &recorder,
                  const QString &path)
{
    QTextStream out(stdout);
    const HeadlessReport report{[&recorder]() {
                                    // The sampler's questions too, so that a replayed machine answers them.
                                    recorder->processorTimes();
                                    recorder->memoryStatus();
                                    if (auto wmi = recorder->openWmi("ROOT\\WMI"))
                                        wmi->query(
                                            "SELECT CurrentTemperature FROM MSAcpi_ThermalZoneTemperature");
                                },
                                [&recorder, &path](const QString &) {
                                    QString error;
                                    if (!writeProfile(path, recorder->recorded(), &error)) {
                                        QTextStream(stderr) << "kelvaro: " << error << Qt::endl;
                                        return QString();
                                    }
                                    return path;
                                }};
    return runHeadlessExport(hardware, report, {QStringLiteral("profile")}, out);
}

// The theme asks for the Windows face; elsewhere the first of these that is installed covers
// every Vietnamese letter, so no text falls back to boxes.
void substituteThemeFont()
{
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"),
                               {QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
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

// The 60 s guard fired: the scan may be stuck in a driver call, so nothing waits for it.
[[noreturn]] void endAfterTimeout()
{
    appendStartupLog(QStringLiteral("FAILED: no scan result within 60 s"));
    std::fflush(stdout);
    std::_Exit(2);
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = argumentList(argc, argv);
    const CommandLine commandLine = parseCommandLine(arguments);
    if (commandLine.help) {
        std::fputs(helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (commandLine.version) {
        std::printf("Kelvaro %s\n", KELVARO_VERSION);
        return 0;
    }
    if (!commandLine.error.isEmpty()) {
        QTextStream(stderr) << "kelvaro: " << commandLine.error << Qt::endl;
        return 2;
    }
    QString screenshotsDir;
    if (!commandLine.screenshotsDir.isEmpty()) {
        screenshotsDir = QFileInfo(commandLine.screenshotsDir).absoluteFilePath();
        if (!QDir().mkpath(screenshotsDir) || !QFileInfo(screenshotsDir).isDir()) {
            QTextStream(stderr) << "kelvaro: cannot create folder " << commandLine.screenshotsDir << Qt::endl;
            return 2;
        }
    }
    const bool headless = commandLine.exportMode || !commandLine.recordProfile.isEmpty();
    // Without a display the window's platform would abort the process with nothing said.
    if (!headless && !displayReachable(arguments)) {
        QTextStream(stderr) << "kelvaro: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are "
                               "unset).\nFor a report without a window run: kelvaro --export all --output DIR"
                            << Qt::endl;
        return 2;
    }

    setStartupLogPath(startupLogPath());
    appendStartupLog(QStringLiteral("==== startup (v" KELVARO_VERSION ") ===="));
    installStartupLogMessageHandler();
    installCrashCapture();

    if (!chooseSource())
        return kProfileError;
    std::shared_ptr<RecordingSource> recorder;
    if (!commandLine.recordProfile.isEmpty()) {
        recorder = std::make_shared<RecordingSource>(activeSource());
        setActiveSource(recorder);
    }

    if (headless)
        preferOffscreenWithoutDisplay();
    appendStartupLog(QStringLiteral("creating QGuiApplication"));
    // Recording draws nothing, so it spares itself the platform plugin and the font set-up.
    std::unique_ptr<QCoreApplication> app;
    if (recorder)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QGuiApplication>(argc, argv);
    appendStartupLog(QStringLiteral("QGuiApplication created"));
#ifdef Q_OS_WIN
    app->installNativeEventFilter(TaskbarAwareMaximizeFilter::instance());
#endif

    app->setApplicationName(QStringLiteral("Kelvaro"));
    app->setOrganizationName(QStringLiteral("Kelvaro"));
    app->setApplicationVersion(QStringLiteral(KELVARO_VERSION));
    // Without a window these only cost start-up time (the icon alone loads the widgets library).
    if (!headless) {
        // Desktops match the window to the installed desktop entry (and its icon) by this name.
        QGuiApplication::setDesktopFileName(QStringLiteral("kelvaro"));
        QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/Kelvaro/resources/icons/logo.svg")));
        QQuickStyle::setStyle(QStringLiteral("Default"));
        substituteThemeFont();
    }
    qmlRegisterType<FrameClock>("Kelvaro", 1, 0, "FrameClock");

    if (recorder) {
        // Recording is one scan and nothing else, so no other controller is built.
        HardwareController hardware;
        const int code = recordProfile(hardware, recorder, commandLine.recordProfile);
        if (code == 2)
            endAfterTimeout();
        return code;
    }

    appendStartupLog(QStringLiteral("constructing controllers"));
    AppController appController;
    HardwareController hardware;
    AudioController audio;
    PerfController perf;
    ReportController report(&hardware, &perf);
    UpdateController update;
    LaptopController laptop(&hardware);
    DisplayController display;
    report.setDisplayController(&display);
    appendStartupLog(QStringLiteral("controllers constructed"));

    if (commandLine.exportMode) {
        if (!commandLine.outputFolder.isEmpty())
            report.setExportFolder(commandLine.outputFolder);
        // One time stamp names every file of the run.
        QDateTime stamp;
        HeadlessReport run{
            [&report, &stamp]() {
                report.compute();
                stamp = QDateTime::currentDateTime();
            },
            [&report, &stamp](const QString &format) { return report.exportReportAt(format, stamp); },
            {},
            [&report]() { return report.lastExportError(); }};
        // The order of the window's full inspection: scan, benchmark, stress test.
        if (commandLine.benchmark)
            run.phases.push_back(benchmarkPhase(perf));
        if (commandLine.stressSeconds > 0)
            run.phases.push_back(stressPhase(perf, commandLine.stressSeconds));
        QTextStream out(stdout);
        const int code = runHeadlessExport(hardware, run, commandLine.formats, out);
        if (code == 2)
            endAfterTimeout();
        // A benchmark that overran its bound may be stuck in a drive: nothing waits for it.
        if (perf.benchRunning()) {
            std::fflush(stdout);
            std::_Exit(code);
        }
        return code;
    }

    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("App"), &appController);
    context->setContextProperty(QStringLiteral("Hardware"), &hardware);
    context->setContextProperty(QStringLiteral("Audio"), &audio);
    context->setContextProperty(QStringLiteral("Perf"), &perf);
    context->setContextProperty(QStringLiteral("Report"), &report);
    context->setContextProperty(QStringLiteral("Update"), &update);
    context->setContextProperty(QStringLiteral("Laptop"), &laptop);
    context->setContextProperty(QStringLiteral("Display"), &display);
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, app.get(),
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
    QObject::connect(&driver, &WindowDriver::finished, app.get(), [](int code, bool stuck) {
        if (stuck) {
            // Whatever did not end may hang in a driver call: nothing waits for it.
            std::fflush(stdout);
            std::_Exit(code);
        }
        QCoreApplication::exit(code);
    });
    driver.start();
    appendStartupLog(QStringLiteral("Main.qml loaded, entering event loop"));
    const int code = app->exec();
    out.flush();
    // A phase the watchdog skipped may still run, possibly stuck in a drive: nothing waits for it.
    if (hardware.scanning() || perf.benchRunning()) {
        std::fflush(stdout);
        std::_Exit(code);
    }
    return code;
}
