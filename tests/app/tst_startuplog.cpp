#include "app/startuplog.h"
#include "testregistry.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <map>
#include <optional>
#include <string>

namespace {

// Sets or clears environment variables for one test and puts them back afterwards.
class EnvironmentScope {
public:
    void set(const char *name, const QByteArray &value)
    {
        m_saved.try_emplace(name,
                            qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~EnvironmentScope()
    {
        for (const auto &[name, value] : m_saved)
            value ? qputenv(name.c_str(), *value) : qunsetenv(name.c_str());
    }

private:
    std::map<std::string, std::optional<QByteArray>> m_saved;
};

QStringList logLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestStartupLog : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setStartupLogPath(QString()); }

    // LOCALAPPDATA, then TEMP, then TMP, then the user state folder.
    void pathFallsBackInOrder()
    {
        QTemporaryDir a, b, c;
        EnvironmentScope env;
        env.set("LOCALAPPDATA", a.path().toLocal8Bit());
        env.set("TEMP", b.path().toLocal8Bit());
        env.set("TMP", c.path().toLocal8Bit());
        QCOMPARE(startupLogPath(), a.path() + "/Kelvaro/startup.log");
        QVERIFY2(QFileInfo(a.path() + "/Kelvaro").isDir(), "the folder is created on first use");

        env.set("LOCALAPPDATA", QByteArray());
        QCOMPARE(startupLogPath(), b.path() + "/Kelvaro/startup.log");
        env.set("TEMP", QByteArray());
        QCOMPARE(startupLogPath(), c.path() + "/Kelvaro/startup.log");

        // Without any of them, the user's state folder.
        QTemporaryDir home;
        env.set("TMP", QByteArray());
        env.set("XDG_STATE_HOME", QByteArray());
        env.set("HOME", home.path().toLocal8Bit());
        QCOMPARE(startupLogPath(), home.path() + "/.local/state/Kelvaro/startup.log");
        env.set("XDG_STATE_HOME", (home.path() + "/state").toLocal8Bit());
        QCOMPARE(startupLogPath(), home.path() + "/state/Kelvaro/startup.log");
    }

    void linesAreAppendedWithTimestamp()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("startup.log");
        setStartupLogPath(path);
        appendStartupLog("first");
        appendStartupLog("Việt — second");
        const QStringList lines = logLines(path);
        QCOMPARE(lines.size(), 2);
        const QRegularExpression shape(R"(^\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3} \[(\d+)\]  (.*)$)");
        QCOMPARE(shape.match(lines[0]).captured(1), QString::number(QCoreApplication::applicationPid()));
        QCOMPARE(shape.match(lines[1]).captured(2), QString("Việt — second"));
    }

    void noPathOrUnwritableFolderLosesLinesQuietly()
    {
        appendStartupLog("nowhere to go"); // no path set: nothing happens
        // Nobody, not even root, may create files under /proc.
        const QString path = "/proc/kelvaro-test/startup.log";
        setStartupLogPath(path);
        appendStartupLog("dropped");
        QVERIFY(!QFile::exists(path));
    }

    void frameworkMessagesFromAnotherThread()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("startup.log");
        setStartupLogPath(path);
        installStartupLogMessageHandler();
        QThread *worker = QThread::create([] { qWarning("disk %d is slow", 3); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        qInstallMessageHandler(nullptr);
        const QStringList lines = logLines(path);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].endsWith("  [Qt/WARN] disk 3 is slow"), qPrintable(lines[0]));
    }
};

KELVARO_TEST(TestStartupLog)
#include "tst_startuplog.moc"
