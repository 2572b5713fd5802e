#include "app/headlessphases.h"

#include "perf/perfcontroller.h"

namespace {

// The stress test ends on its own clock; this is how long it may overrun.
constexpr int kStressGraceMs = 30000;

} // namespace

HeadlessPhase benchmarkPhase(PerfController &perf, int boundMs)
{
    HeadlessPhase phase;
    phase.start = [&perf](QObject *context, std::function<void()> finished) {
        perf.startMonitor();
        QObject::connect(&perf, &PerfController::benchChanged, context, [&perf, finished]() {
            if (!perf.benchRunning())
                finished();
        });
        perf.runBenchmark();
    };
    phase.boundMs = boundMs;
    return phase;
}

HeadlessPhase stressPhase(PerfController &perf, int seconds)
{
    HeadlessPhase phase;
    phase.start = [&perf, seconds](QObject *context, std::function<void()> finished) {
        perf.startMonitor();
        QObject::connect(&perf, &PerfController::stressChanged, context, [&perf, finished]() {
            if (!perf.stressRunning())
                finished();
        });
        perf.startStress(seconds);
    };
    phase.stop = [&perf]() { perf.stopStress(); };
    phase.boundMs = seconds * 1000 + kStressGraceMs;
    return phase;
}
