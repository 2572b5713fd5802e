#pragma once

#include "perf/perfsample.h"
#include "perf/samplemath.h"
#include "platform/source.h"

#include <QObject>
#include <QString>
#include <QVariantList>

#include <memory>

class ComApartmentScope;
class QTimer;
class WmiConnection;

// Takes one sample of processor load, memory use and temperature per interval. Lives on a
// worker thread; its COM apartment and WMI connection exist between begin() and end().
class PerfMonitor : public QObject {
    Q_OBJECT

public:
    explicit PerfMonitor(std::shared_ptr<platform::Source> source, int intervalMs = 1000,
                         QObject *parent = nullptr);
    ~PerfMonitor() override;

public slots:
    void begin();
    void end();

signals:
    void sample(const PerfSample &reading);

private:
    void step();
    void release();

    std::shared_ptr<platform::Source> m_source;
    int m_intervalMs;
    QTimer *m_timer = nullptr;
    ProcessorLoadMeter m_loads;
    std::unique_ptr<WmiConnection> m_wmi;
    std::unique_ptr<ComApartmentScope> m_com;
    bool m_primed = false;
};
