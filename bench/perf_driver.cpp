// Runs one part of the performance engine on the live system for the bench/ scripts.
//   perf_driver stress SECONDS       stress test; prints threads and peak load
//   perf_driver monitor SECONDS      live monitor only; prints the sample count
//   perf_driver idle SECONDS         the same process without the monitor, as a baseline
//   perf_driver benchmark [FOLDER]   one benchmark run; prints the result map as JSON
//   perf_driver benchmark-dirty [FOLDER]  the same, started from a thread whose 256-bit vector
//                                    registers are left in use, as a library's AVX code may
//   perf_driver disk [FOLDER]        the disk stage alone; prints write and read MiB/s

#include "perf/diskspeed.h"
#include "perf/perfcontroller.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

int usage()
{
    std::fputs(
        "usage: perf_driver stress|monitor|idle SECONDS | benchmark[-dirty] [FOLDER] | disk [FOLDER]\n",
        stderr);
    return 2;
}

// Leaves the upper halves of the 256-bit registers in use on this thread, without vzeroupper;
// threads created from here start in that state.
void dirtyUpperVectorState()
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (__builtin_cpu_supports("avx"))
        asm volatile("vcmptrueps %%ymm15, %%ymm15, %%ymm15" ::: "xmm15");
#endif
}

QString folderArgument(const QStringList &args)
{
    return args.size() > 2 ? args.at(2) : QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return usage();
    const QString command = args.at(1);
    QTextStream out(stdout);

    if (command == QLatin1String("disk")) {
        const BenchmarkSettings defaults;
        const std::atomic<bool> cancel{false};
        const QString path = QDir(folderArgument(args)).filePath(QStringLiteral("kelvaro_bench.tmp"));
        const DiskSpeed speed = measureDiskSpeed(QFile::encodeName(path).toStdString(),
                                                 defaults.diskFileBytes, defaults.diskBlockBytes, cancel);
        out << "write " << speed.writeMiBps << " MiB/s read " << speed.readMiBps << " MiB/s ("
            << speed.writtenBytes << " / " << speed.readBytes << " bytes)\n";
        return 0;
    }

    const bool dirty = command == QLatin1String("benchmark-dirty");
    const bool benchmark = dirty || command == QLatin1String("benchmark");
    PerfSettings settings;
    if (benchmark)
        settings.benchmark.tempFolder = folderArgument(args);
    PerfController perf(settings);

    if (benchmark) {
        QObject::connect(&perf, &PerfController::benchChanged, &app, [&] {
            if (perf.benchRunning())
                return;
            out << QJsonDocument(QJsonObject::fromVariantMap(perf.benchmark())).toJson(QJsonDocument::Compact)
                << '\n';
            app.quit();
        });
        if (dirty)
            dirtyUpperVectorState();
        perf.runBenchmark();
        return app.exec();
    }

    if (args.size() < 3)
        return usage();
    const int seconds = args.at(2).toInt();
    if (command == QLatin1String("stress")) {
        QObject::connect(&perf, &PerfController::stressChanged, &app, [&] {
            if (perf.stressRunning())
                return;
            out << "threads " << perf.stressThreads() << " elapsed " << perf.stressElapsed()
                << " s peak load " << perf.stressMaxLoad() << " %\n";
            app.quit();
        });
        perf.startStress(seconds);
        return app.exec();
    }
    if (command != QLatin1String("monitor") && command != QLatin1String("idle"))
        return usage();
    int samples = 0;
    QObject::connect(&perf, &PerfController::sampled, &app, [&samples] { ++samples; });
    if (command == QLatin1String("monitor"))
        perf.startMonitor();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    const int code = app.exec();
    out << "samples " << samples << '\n';
    return code;
}
