#include "perf/cpubenchmark.h"

#include "perf/diskspeed.h"
#include "perf/kernels.h"
#include "perf/keys/benchmarkkeys.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace {

double seconds(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

double singleThreadMops(std::int64_t steps)
{
    QElapsedTimer timer;
    timer.start();
    volatile double sink = runBenchmarkKernel(steps);
    (void)sink;
    const double t = seconds(timer);
    return t > 0 ? static_cast<double>(steps) / t / 1e6 : 0;
}

// The rate of all threads that could be started; threads reports how many that was.
double multiThreadMops(std::int64_t steps, int &threads)
{
    const int wanted = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    std::vector<std::thread> workers;
    workers.reserve(static_cast<std::size_t>(wanted));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < wanted; ++i) {
        try {
            workers.emplace_back([steps] {
                volatile double sink = runBenchmarkKernel(steps);
                (void)sink;
            });
        } catch (const std::system_error &) {
            break;
        }
    }
    for (std::thread &worker : workers)
        worker.join();
    const double t = seconds(timer);
    threads = std::max(1, static_cast<int>(workers.size()));
    if (workers.empty() || t <= 0)
        return 0;
    return static_cast<double>(workers.size()) * static_cast<double>(steps) / t / 1e6;
}

struct AlignedFree {
    void operator()(char *p) const { ::operator delete[](p, std::align_val_t(32)); }
};
using Buffer = std::unique_ptr<char[], AlignedFree>;

// Copy bandwidth in decimal GB/s; 0 when the buffers cannot be had.
double copyBandwidth(std::size_t bufferBytes, int windowMs)
{
    Buffer a(new (std::align_val_t(32), std::nothrow) char[bufferBytes]);
    Buffer b(new (std::align_val_t(32), std::nothrow) char[bufferBytes]);
    if (!a || !b || bufferBytes == 0)
        return 0;
    std::memset(a.get(), 0x5A, bufferBytes);
    std::memset(b.get(), 0, bufferBytes);
    QElapsedTimer timer;
    timer.start();
    std::uint64_t copies = 0;
    // Checked before each pair, so the window always ends on a whole pair.
    while (timer.nsecsElapsed() < static_cast<qint64>(windowMs) * 1'000'000) {
        std::memcpy(b.get(), a.get(), bufferBytes);
        std::memcpy(a.get(), b.get(), bufferBytes);
        copies += 2;
    }
    const double t = seconds(timer);
    return t > 0 ? static_cast<double>(copies) * static_cast<double>(bufferBytes) / t / 1e9 : 0;
}

QString benchFilePath(const BenchmarkSettings &settings)
{
    const QString folder = settings.tempFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::TempLocation)
                               : settings.tempFolder;
    return QDir(folder).filePath(QStringLiteral("kelvaro_bench.tmp"));
}

std::string nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toUtf8().toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

} // namespace

QVariantMap benchmarkResult(const BenchmarkFigures &figures)
{
    QVariantMap map;
    map.insert(BenchmarkKey::kCpuSingle, QStringLiteral("%1 MOPS").arg(figures.singleMops, 0, 'f', 0));
    map.insert(BenchmarkKey::kCpuSingleScore, static_cast<int>(figures.singleMops));
    map.insert(BenchmarkKey::kCpuMulti, QStringLiteral("%1 MOPS").arg(figures.multiMops, 0, 'f', 0));
    map.insert(BenchmarkKey::kCpuMultiScore, static_cast<int>(figures.multiMops));
    map.insert(BenchmarkKey::kCpuThreads, figures.threads);
    if (figures.singleMops > 0)
        map.insert(BenchmarkKey::kCpuScaling,
                   QStringLiteral("%1×").arg(figures.multiMops / figures.singleMops, 0, 'f', 1));
    if (figures.ramGBps > 0)
        map.insert(BenchmarkKey::kRamBandwidth, QStringLiteral("%1 GB/s").arg(figures.ramGBps, 0, 'f', 1));
    map.insert(BenchmarkKey::kRamScore, static_cast<int>(figures.ramGBps * 100));
    if (figures.diskWriteMiBps > 0)
        map.insert(BenchmarkKey::kDiskWrite,
                   QStringLiteral("%1 MB/s").arg(figures.diskWriteMiBps, 0, 'f', 0));
    if (figures.diskReadMiBps > 0)
        map.insert(BenchmarkKey::kDiskRead, QStringLiteral("%1 MB/s").arg(figures.diskReadMiBps, 0, 'f', 0));
    map.insert(BenchmarkKey::kDiskScore, static_cast<int>(figures.diskReadMiBps + figures.diskWriteMiBps));
    return map;
}

QVariantMap runCpuBenchmark(const BenchmarkSettings &settings, const BenchmarkProgress &progress,
                            const std::atomic<bool> &cancel)
{
    BenchmarkFigures figures;

    progress(8, QStringLiteral("CPU — đơn luồng"));
    figures.singleMops = singleThreadMops(settings.kernelSteps);
    if (cancel.load())
        return {};

    progress(30, QStringLiteral("CPU — đa luồng"));
    figures.multiMops = multiThreadMops(settings.kernelSteps, figures.threads);
    if (cancel.load())
        return {};

    progress(58, QStringLiteral("Băng thông RAM"));
    figures.ramGBps = copyBandwidth(settings.copyBufferBytes, settings.copyWindowMs);
    if (cancel.load())
        return {};

    progress(80, QStringLiteral("Tốc độ ổ đĩa"));
    const DiskSpeed disk = measureDiskSpeed(nativePath(benchFilePath(settings)), settings.diskFileBytes,
                                            settings.diskBlockBytes, cancel);
    figures.diskWriteMiBps = disk.writeMiBps;
    figures.diskReadMiBps = disk.readMiBps;
    return benchmarkResult(figures);
}
