#include "app/startuplog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

QString &logPath()
{
    static QString path;
    return path;
}

QString environment(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// The framework still ends the process after a fatal message once the handler returns.
void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    appendStartupLog(QStringLiteral("[Qt/%1] %2").arg(levelWord(type), message));
}

} // namespace

QString startupLogPath()
{
    QString base = environment("LOCALAPPDATA");
    if (base.isEmpty())
        base = environment("TEMP");
    if (base.isEmpty())
        base = environment("TMP");
    const QString folder = base.isEmpty() ? fallbackStartupLogFolder() : base + QStringLiteral("/Kelvaro");
    QDir().mkpath(folder);
    return folder + QStringLiteral("/startup.log");
}

void setStartupLogPath(const QString &path)
{
    logPath() = path;
}

QString currentStartupLogPath()
{
    return logPath();
}

void appendStartupLog(const QString &message)
{
    const QString &path = logPath();
    if (path.isEmpty())
        return;
    QFile file(path);
    // Unbuffered: the whole line reaches the file in one write, so lines from threads do not mix.
    if (!file.open(QIODevice::Append | QIODevice::Text | QIODevice::Unbuffered))
        return;
    // The process id tells apart the lines of runs that share the log.
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) +
                         QStringLiteral(" [%1]  ").arg(QCoreApplication::applicationPid()) + message +
                         QLatin1Char('\n');
    file.write(line.toUtf8());
}

QString levelWord(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("DEBUG");
    case QtWarningMsg:
        return QStringLiteral("WARN");
    case QtCriticalMsg:
        return QStringLiteral("CRIT");
    case QtFatalMsg:
        return QStringLiteral("FATAL");
    default:
        return QStringLiteral("INFO");
    }
}

void installStartupLogMessageHandler()
{
    qInstallMessageHandler(messageHandler);
}
