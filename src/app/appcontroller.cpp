#include "app/appcontroller.h"

#include "app/debuggercheck.h"
#include "app/identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSysInfo>

AppController::AppController(QObject *parent)
    : AppController(
          QString(),
          [](const QString &program, const QStringList &arguments) {
              return QProcess::startDetached(program, arguments);
          },
          parent)
{
}

AppController::AppController(QString programFolder, Launcher launcher, QObject *parent)
    : QObject(parent), m_programFolder(std::move(programFolder)), m_launcher(std::move(launcher))
{
    m_tampered = !identity::intact(identity::appName(), identity::copyrightLine());
    m_debuggerDetected = debuggerAttached();
}

QString AppController::appName() const
{
    return identity::appName();
}

QString AppController::appVersion() const
{
    return QCoreApplication::applicationVersion();
}

QString AppController::platformName() const
{
    return QSysInfo::prettyProductName();
}

QString AppController::qtVersion() const
{
    return QString::fromLatin1(qVersion());
}

QString AppController::copyright() const
{
    return identity::copyrightLine();
}

bool AppController::installed() const
{
    const QString folder =
        m_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_programFolder;
    return !findUninstaller(folder).isEmpty();
}

void AppController::uninstall()
{
    const QString folder =
        m_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_programFolder;
    const QString uninstaller = findUninstaller(folder);
    if (uninstaller.isEmpty())
        return;
    if (m_launcher)
        m_launcher(uninstaller, {QStringLiteral("/SILENT")});
    QCoreApplication::quit();
}

QString AppController::findUninstaller(const QString &folder)
{
    const QDir dir(folder);
    const QFileInfoList found = dir.entryInfoList({QStringLiteral("unins*.exe")}, QDir::Files, QDir::Name);
    return found.isEmpty() ? QString() : found.first().absoluteFilePath();
}
