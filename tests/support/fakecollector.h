#pragma once

#include "hardware/hardwarecontroller.h"
#include "hardware/ihardwarecollector.h"

#include <QSemaphore>
#include <QSignalSpy>

#include <deque>
#include <memory>
#include <utility>
#include <vector>

// A collector that reports the given progress steps, optionally waits to be released, and
// returns the given snapshot.
class FakeCollector final : public IHardwareCollector {
public:
    FakeCollector(HardwareSnapshot result, std::vector<std::pair<int, QString>> steps, QSemaphore *gate)
        : m_result(std::move(result)), m_steps(std::move(steps)), m_gate(gate)
    {
    }

    HardwareSnapshot collect(const ScanProgress &progress) override
    {
        for (const auto &[percent, stage] : m_steps) {
            if (progress)
                progress(percent, stage);
        }
        if (m_gate)
            m_gate->acquire();
        return m_result;
    }

private:
    HardwareSnapshot m_result;
    std::vector<std::pair<int, QString>> m_steps;
    QSemaphore *m_gate;
};

inline CollectorFactory fakeCollectorFactory(HardwareSnapshot result = {},
                                             std::vector<std::pair<int, QString>> steps = {},
                                             QSemaphore *gate = nullptr)
{
    return [result, steps, gate]() -> std::unique_ptr<IHardwareCollector> {
        return std::make_unique<FakeCollector>(result, steps, gate);
    };
}

// One collector per scan, each returning the next snapshot; none once they are used up.
inline CollectorFactory snapshotsInTurn(std::deque<HardwareSnapshot> snapshots)
{
    auto queue = std::make_shared<std::deque<HardwareSnapshot>>(std::move(snapshots));
    return [queue]() -> std::unique_ptr<IHardwareCollector> {
        if (queue->empty())
            return nullptr;
        auto collector =
            std::make_unique<FakeCollector>(queue->front(), std::vector<std::pair<int, QString>>{}, nullptr);
        queue->pop_front();
        return collector;
    };
}

// Runs one scan to its end; false when it takes longer than the wait.
inline bool completeScan(HardwareController &hardware, int waitMs = 10000)
{
    QSignalSpy done(&hardware, &HardwareController::dataChanged);
    hardware.scan();
    return done.wait(waitMs);
}
