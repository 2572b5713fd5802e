#include "update/updateoptions.h"

#include "update/updateaddresses.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

UpdateOptions UpdateOptions::defaults()
{
    UpdateOptions options;
    options.currentVersion = QCoreApplication::applicationVersion();
    options.baseAddress = builtInUpdateBase();
#ifdef Q_OS_WIN
    options.platformKey = QStringLiteral("windows-x64");
    options.installsUpdates = true;
#else
    // Linux packages are installed by the user's own tools, never by a downloaded program.
    options.platformKey = QStringLiteral("linux-x64");
    options.installsUpdates = false;
#endif
    options.installerFolder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    options.ssl = QSslConfiguration::defaultConfiguration();
    options.startInstaller = [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };
    // The installer replaces the program, which must be gone by then.
    options.quitSoon = [] { QTimer::singleShot(800, qApp, &QCoreApplication::quit); };
    options.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    return options;
}
