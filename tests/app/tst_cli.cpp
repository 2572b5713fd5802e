// The kelvaro executable as a script or a technician runs it.
#include "testdata.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QStringList out;
    QString err;
};

// extra adds variables; a null value removes one.
Run kelvaro(const QStringList &args, const QTemporaryDir &home, const QMap<QString, QString> &extra = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The home folder is the test's own; no setting may point the exports at a real Desktop.
    for (const char *name :
         {"LOCALAPPDATA", "TEMP", "TMP", "KELVARO_PROFILE", "DISPLAY", "WAYLAND_DISPLAY", "XDG_CONFIG_HOME",
          "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_DESKTOP_DIR", "XDG_DOCUMENTS_DIR"})
        env.remove(name);
    env.insert("LOCALAPPDATA", home.path());
    env.insert("HOME", home.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    for (auto it = extra.begin(); it != extra.end(); ++it)
        it.value().isNull() ? env.remove(it.key()) : env.insert(it.key(), it.value());
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(KELVARO_BINARY, args);
    Run run;
    if (!process.waitForFinished(90000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.status = process.exitStatus();
    run.out = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QStringList logLines(const QTemporaryDir &home)
{
    QFile file(home.filePath("Kelvaro/startup.log"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.mid(line.indexOf("  ") + 2); // drop "yyyy-MM-dd HH:mm:ss.zzz [pid]  "
    return lines;
}

const QString kDesktopProfile = QStringLiteral(KELVARO_TEST_DATA "/report/desktop-profile.json");

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void helpAndVersionOpenNoWindow()
    {
        QTemporaryDir home;
        const Run version = kelvaro({"--version"}, home);
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QStringList{"Kelvaro 0.21.15"});
        const Run help = kelvaro({"--help"}, home);
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.join('\n').contains("--export"));
        QVERIFY(help.out.join('\n').contains("KELVARO_PROFILE"));
        QVERIFY2(!QFile::exists(home.filePath("Kelvaro/startup.log")), "no start-up for --help");
    }

    void badProfileIsAOneLineErrorWithCode3()
    {
        QTemporaryDir home;
        QFile bad(home.filePath("bad.json"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(R"({"kelvaroProfile": 1, "wmi": {"ROOT\\CIMV2": {"Win32_BIOS": [ {"Name": {"x": 1}} ]}}})");
        bad.close();
        Run run = kelvaro({"--export", "json"}, home, {{"KELVARO_PROFILE", bad.fileName()}});
        QCOMPARE(run.exitCode, 3);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.trimmed().count('\n'), 0);
        QVERIFY2(run.err.contains("Win32_BIOS[0].Name"), qPrintable(run.err));

        run = kelvaro({"--export", "json"}, home, {{"KELVARO_PROFILE", home.filePath("missing.json")}});
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.err.contains("missing.json"), qPrintable(run.err));

        // Neither waits on a pipe nobody writes to nor reads an endless device into memory.
        const QString fifo = home.filePath("fifo.json");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        for (const QString &path : {fifo, QString("/dev/zero")}) {
            run = kelvaro({"--export", "json"}, home, {{"KELVARO_PROFILE", path}});
            QCOMPARE(run.exitCode, 3);
            QCOMPARE(run.err.trimmed().count('\n'), 0);
            QVERIFY2(run.err.contains(path + ": cannot read profile (not a regular file)"),
                     qPrintable(run.err));
        }

        // A mistyped system root would score an empty machine.
        run = kelvaro({"--export", "json"}, home, {{"KELVARO_SYSROOT", home.filePath("no-such-root")}});
        QCOMPARE(run.exitCode, 3);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains("no-such-root"), qPrintable(run.err));
    }

    void withoutADisplayTheWindowIsRefusedWithAHint()
    {
        QTemporaryDir home;
        const Run run = kelvaro({}, home, {{"QT_QPA_PLATFORM", QString()}});
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("no display") && run.err.contains("--export"), qPrintable(run.err));
    }

    // Text from the machine reaches no output raw, and numbers out of range point at nothing.
    void hostileProfileIsHarmless()
    {
        QTemporaryDir home;
        const Run run = kelvaro({"--export", "all", "--output", home.path()}, home,
                                {{"KELVARO_PROFILE", KELVARO_TEST_DATA "/report/hostile-profile.json"}});
        QCOMPARE(run.exitCode, 0);
        const QByteArray json = fileBytes(run.out.value(2).mid(4));
        for (const QString &path :
             {run.out.value(1).mid(4), run.out.value(2).mid(4), run.out.value(3).mid(4)}) {
            const QString text = QString::fromUtf8(fileBytes(path));
            QVERIFY2(path.endsWith(".csv") || text.contains("B360M-D2V"), qPrintable(path));
            for (const QChar c : text)
                QVERIFY2(c.unicode() >= 0x20 || c == '\n' || c == '\r' || c == '\t', qPrintable(path));
            for (const char16_t bad : {u'\u0085', u'\u009b', u'\u202e', u'\u2066'})
                QVERIFY2(!text.contains(QChar(bad)), qPrintable(path));
        }
        const QJsonObject hardware = QJsonDocument::fromJson(json).object().value("hardware").toObject();
        QCOMPARE(hardware.value("ram").toObject().value("freeSlots").toInt(-1), 0);
        // Both drives carry an index no drive has: neither may show drive 0's readings.
        for (const QJsonValue disk : hardware.value("disks").toArray())
            QVERIFY2(!disk.toObject().contains("powerOnHours"),
                     qPrintable(QJsonDocument(disk.toObject()).toJson()));
    }

    void recordedProfileReplays()
    {
        QTemporaryDir home;
        const QString path = home.filePath("machine.json");
        const Run record = kelvaro({"--record-profile", path}, home);
        QCOMPARE(record.exitCode, 0);
        QCOMPARE(record.out, QStringList{"OK: " + path});
        const Run replay = kelvaro({"--export", "xml"}, home, {{"KELVARO_PROFILE", path}});
        QCOMPARE(replay.exitCode, 1);
        QCOMPARE(replay.out, QStringList{"FAILED: xml"});

        const Run unwritable = kelvaro({"--record-profile", home.filePath("no/such/folder/p.json")}, home);
        QCOMPARE(unwritable.exitCode, 1);
        QCOMPARE(unwritable.out, QStringList{"FAILED: profile"});
        QVERIFY(unwritable.err.contains("cannot write profile"));
    }

    void exportAllIntoTheOutputFolder()
    {
        QTemporaryDir home;
        const QString folder = QDir(home.filePath("reports/today")).absolutePath();
        const QMap<QString, QString> desktop{{"KELVARO_PROFILE", kDesktopProfile}};
        Run run = kelvaro({"--export", "all", "--output", folder}, home, desktop);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.size(), 4);
        // One time stamp names every file of the run.
        const QString stem = run.out.first().chopped(4);
        QVERIFY2(stem.startsWith("OK: " + QDir::toNativeSeparators(folder + "/Kelvaro_BaoCao_")),
                 qPrintable(stem));
        const QStringList logged = logLines(home);
        for (const QString format : {"pdf", "html", "json", "csv"}) {
            const QString line = run.out.takeFirst();
            QCOMPARE(line, stem + "." + format);
            QVERIFY(QFileInfo(line.mid(4)).size() > 0);
            QVERIFY(logged.contains("written: " + line.mid(4)));
        }
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList());

        QFile(home.filePath("file")).open(QIODevice::WriteOnly);
        run = kelvaro({"--export", "all", "--output", home.filePath("file/sub")}, home, desktop);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, (QStringList{"FAILED: pdf", "FAILED: html", "FAILED: json", "FAILED: csv"}));
        // Each failure says why, on the terminal and in the log.
        QCOMPARE(run.err.count("file/sub"), 4);
        QVERIFY2(run.err.contains("kelvaro: csv: "), qPrintable(run.err));
        const QStringList lines = logLines(home);
        QCOMPARE(lines.filter(QRegularExpression("^FAILED: (pdf|html|json|csv): .*file/sub")).size(), 4);

        // Both start-ups append to one log, each with its milestones in order.
        QCOMPARE(lines.count("==== startup (v0.21.15) ===="), 2);
        QCOMPARE(lines.first(), QString("==== startup (v0.21.15) ===="));
        int at = 0;
        for (const char *m : {"creating QGuiApplication", "QGuiApplication created",
                              "constructing controllers", "controllers constructed"}) {
            at = lines.indexOf(QString::fromUtf8(m), at);
            QVERIFY2(at > 0, m);
        }
    }

    void withoutOutputDocumentsThenHome()
    {
        QTemporaryDir home;
        const QMap<QString, QString> desktop{{"KELVARO_PROFILE", kDesktopProfile}};
        Run run = kelvaro({"--export", "csv"}, home, desktop);
        QCOMPARE(QFileInfo(run.out.value(0).mid(4)).absolutePath(),
                 QFileInfo(home.path()).absoluteFilePath());
        QVERIFY(QDir(home.path()).mkdir("Documents"));
        run = kelvaro({"--export", "csv"}, home, desktop);
        QCOMPARE(QFileInfo(run.out.value(0).mid(4)).absolutePath(),
                 QFileInfo(home.filePath("Documents")).absoluteFilePath());
    }

    void windowSavesEveryTabAfterTheInspection()
    {
        const QByteArray display = qgetenv("DISPLAY");
        QVERIFY2(!display.isEmpty(),
                 "the window needs a display: run the tests under xvfb-run, as scripts/test.sh does");
        QTemporaryDir home;
        const QString dir = QDir(home.filePath("shots/new")).absolutePath();
        const Run run = kelvaro({"--inspect", "hw", "--screenshots", dir}, home,
                                {{"KELVARO_PROFILE", testDataPath("profiles/latitude-7490.json")},
                                 {"DISPLAY", QString::fromLocal8Bit(display)},
                                 {"QT_QPA_PLATFORM", "xcb"}});
        QCOMPARE(run.exitCode, 0);
        const QStringList keys{"dashboard", "system",  "cpu",     "ram",      "storage",
                               "battery",   "gpu",     "display", "keyboard", "touchpad",
                               "devices",   "network", "stress",  "report"};
        QCOMPARE(run.out.size(), keys.size());
        // The page area of the 1280 × 820 window, right of the navigation rail and under the title bar.
        const int pageWidth = 1280 - 248;
        const int pageHeight = 820 - 76;
        for (int i = 0; i < keys.size(); ++i) {
            const QString path =
                QString("%1/%2_%3.png").arg(dir).arg(i + 1, 2, 10, QChar('0')).arg(keys.at(i));
            QCOMPARE(run.out.at(i), "OK: " + QDir::toNativeSeparators(path));
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            QCOMPARE(image.width(), pageWidth);
            QVERIFY2(image.height() >= pageHeight, qPrintable(path));
        }
        QVERIFY2(QImage(dir + "/14_report.png").height() > pageHeight, "the long report page is stitched");
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), keys.size()); // no slice left

        const QStringList log = logLines(home);
        QVERIFY(log.contains("inspection finished"));
        QVERIFY(log.contains("screenshots saved: 14/14"));
        for (const QString &line : log)
            QVERIFY2(!line.contains("qrc:/"), qPrintable(line)); // no QML warning or error
    }

    void windowOptionsRejectBadValues()
    {
        QTemporaryDir home;
        for (const QStringList &args :
             {QStringList{"--inspect", "hw,gpu"}, QStringList{"--screenshots", home.filePath("file/sub")}}) {
            QFile(home.filePath("file")).open(QIODevice::WriteOnly);
            const Run run = kelvaro(args, home);
            QCOMPARE(run.exitCode, 2);
            QVERIFY(run.out.isEmpty());
            QCOMPARE(run.err.trimmed().count('\n'), 0);
            QVERIFY2(run.err.startsWith("kelvaro: "), qPrintable(run.err));
        }
    }

    void benchmarkAndStressReachTheReport()
    {
        QTemporaryDir home;
        const Run run = kelvaro({"--export", "json", "--output", home.path(), "--benchmark", "--stress", "1"},
                                home, {{"KELVARO_PROFILE", kDesktopProfile}, {"TMPDIR", home.path()}});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(fileBytes(run.out.value(0).mid(4))).object();
        QVERIFY(json.value("tests").toObject().value("benchmark").toObject().contains("cpuMulti"));
        const QString stability = json.value("categories").toArray()[5].toObject().value("note").toString();
        QVERIFY2(stability.contains("benchmark ✓"), qPrintable(stability));
    }
};

KELVARO_TEST(TestCli)
#include "tst_cli.moc"
