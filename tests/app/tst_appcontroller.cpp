#include "app/appcontroller.h"
#include "app/debuggercheck.h"
#include "app/identity.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestAppController : public QObject {
    Q_OBJECT

private slots:
    void portableCopyIsNotInstalled()
    {
        QTemporaryDir dir;
        touch(dir.filePath("kelvaro.exe"));
        touch(dir.filePath("setup.exe"));
        QDir().mkdir(dir.filePath("unins000.exe")); // a folder, not a file
        bool launched = false;
        AppController app(dir.path(), [&](const QString &, const QStringList &) { return launched = true; });
        QVERIFY(!app.installed());
        app.uninstall();
        QVERIFY(!launched);
    }

    void firstUninstallerByNameStartsSilentlyAndQuits()
    {
        QTemporaryDir dir;
        touch(dir.filePath("unins001.exe"));
        touch(dir.filePath("unins000.exe"));
        QString program;
        QStringList arguments;
        AppController app(dir.path(), [&](const QString &p, const QStringList &a) {
            program = p;
            arguments = a;
            return true;
        });
        QVERIFY(app.installed());

        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        guard.start(5000);
        QTimer::singleShot(0, &app, &AppController::uninstall);
        QCOMPARE(QCoreApplication::exec(), 0); // uninstall() asked the application to quit
        QCOMPARE(program, QFileInfo(dir.filePath("unins000.exe")).absoluteFilePath());
        QCOMPARE(arguments, QStringList{"/SILENT"});
    }

    void identityTextsAndIntegrity()
    {
        QVERIFY(!AppController().tampered());
        QVERIFY(identity::intact(identity::appName(), identity::copyrightLine()));
        QVERIFY(!identity::intact("Kelvar0", identity::copyrightLine()));
        QVERIFY(!identity::intact(identity::appName(), identity::copyrightLine() + " "));
    }

    void debuggerFromTracerPid()
    {
        QCOMPARE(tracerPid("Name:\tkelvaro\nState:\tR\nTracerPid:\t0\nUid:\t0\n"), 0LL);
        QCOMPARE(tracerPid("Name:\tkelvaro\nTracerPid:\t4242\n"), 4242LL);
        QCOMPARE(tracerPid("garbage"), 0LL);
        QVERIFY(!AppController().debuggerDetected());
    }
};

KELVARO_TEST(TestAppController)
#include "tst_appcontroller.moc"
