#include "app/commandline.h"
#include "app/controllers.h"
#include "app/crashcapture.h"
#include "app/exportrun.h"
#include "app/recordrun.h"
#include "app/sourcechoice.h"
#include "app/startuplog.h"
#include "app/windowplatform.h"
#include "app/windowrun.h"
#include "hardware/activesource.h"
#include "hardware/profile/recordingsource.h"
#include "perf/frameclock.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

constexpr int kProfileError = 3;

QStringList argumentList(int argc, char *argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// --help, --version and a malformed command line are answered before anything starts.
std::optional<int> answerAtOnce(const CommandLine &commandLine)
{
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
    return std::nullopt;
}

// The absolute --screenshots folder, made if missing; empty when none was asked for. False when
// it cannot be made.
bool prepareScreenshotsFolder(const CommandLine &commandLine, QString *folder)
{
    if (commandLine.screenshotsDir.isEmpty())
        return true;
    *folder = QFileInfo(commandLine.screenshotsDir).absoluteFilePath();
    if (QDir().mkpath(*folder) && QFileInfo(*folder).isDir())
        return true;
    QTextStream(stderr) << "kelvaro: cannot create folder " << commandLine.screenshotsDir << Qt::endl;
    return false;
}

// A run without a window still needs the GUI application object; without a display the
// default platform would abort, so such runs use the offscreen one unless the user chose.
void preferOffscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The theme asks for the Windows face; elsewhere the first of these that is installed covers
// every Vietnamese letter, so no text falls back to boxes.
void substituteThemeFont()
{
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"),
                               {QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
}

std::unique_ptr<QCoreApplication> createApplication(int &argc, char *argv[], bool headless, bool recording)
{
    if (headless)
        preferOffscreenWithoutDisplay();
    appendStartupLog(QStringLiteral("creating QGuiApplication"));
    // Recording draws nothing, so it spares itself the platform plugin and the font set-up.
    std::unique_ptr<QCoreApplication> app;
    if (recording)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QGuiApplication>(argc, argv);
    appendStartupLog(QStringLiteral("QGuiApplication created"));
    installWindowFilters(*app);

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
    return app;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = argumentList(argc, argv);
    const CommandLine commandLine = parseCommandLine(arguments);
    if (const std::optional<int> code = answerAtOnce(commandLine))
        return *code;
    QString screenshotsDir;
    if (!prepareScreenshotsFolder(commandLine, &screenshotsDir))
        return 2;
    const bool recording = !commandLine.recordProfile.isEmpty();
    const bool headless = commandLine.exportMode || recording;
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
    if (recording) {
        recorder = std::make_shared<RecordingSource>(activeSource());
        setActiveSource(recorder);
    }
    const std::unique_ptr<QCoreApplication> app = createApplication(argc, argv, headless, recording);
    if (recording)
        return runProfileRecording(recorder, commandLine.recordProfile);

    appendStartupLog(QStringLiteral("constructing controllers"));
    Controllers controllers;
    appendStartupLog(QStringLiteral("controllers constructed"));
    if (commandLine.exportMode)
        return runExport(controllers, commandLine);
    return runWindow(*app, controllers, commandLine, screenshotsDir);
}
