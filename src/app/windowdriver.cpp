#include "app/windowdriver.h"

#include "app/commandline.h"
#include "app/startuplog.h"

#include <QDir>
#include <QMetaProperty>
#include <QVariantMap>

namespace {

// Every enabled phase may use its whole watchdog; the images get a fixed margin on top.
constexpr int kPhaseWatchdogMs = 60000;

void connectToNotify(QObject *source, const char *property, QObject *receiver, const char *slot)
{
    const QMetaObject *meta = source->metaObject();
    const QMetaProperty prop = meta->property(meta->indexOfProperty(property));
    const QMetaObject *rmeta = receiver->metaObject();
    const QMetaMethod method = rmeta->method(rmeta->indexOfSlot(slot));
    if (prop.hasNotifySignal())
        QObject::connect(source, prop.notifySignal(), receiver, method);
}

} // namespace

WindowDriver::WindowDriver(QObject *window, Options options, QTextStream &out, QObject *parent)
    : QObject(parent), m_window(window), m_options(std::move(options)), m_out(out)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &WindowDriver::onDeadline);
    connectToNotify(m_window, "fullScanRunning", this, "onRunningChanged()");
    connectToNotify(m_window, "shotExporting", this, "onExportingChanged()");
    connect(m_window, SIGNAL(screenshotTaken(QString, QString, bool)), this,
            SLOT(onShot(QString, QString, bool)));
    connect(m_window, SIGNAL(inspectionPhaseEnded(QString, bool)), this, SLOT(onPhaseEnded(QString, bool)));
}

bool WindowDriver::running() const
{
    return m_window->property("fullScanRunning").toBool();
}

void WindowDriver::start()
{
    if (m_options.inspect) {
        QVariantMap enabled;
        for (const QString &phase : inspectionPhases())
            enabled.insert(phase, m_options.phases.contains(phase));
        QVariant started;
        m_phaseClock.start();
        QMetaObject::invokeMethod(m_window, "runScan", Q_RETURN_ARG(QVariant, started),
                                  Q_ARG(QVariant, enabled));
        m_inspecting = started.toBool();
        appendStartupLog(QStringLiteral("inspection started: ") + m_options.phases.join(QLatin1Char(',')));
    }
    if (m_options.screenshotsDir.isEmpty())
        return;
    const int phases = m_inspecting ? m_options.phases.size() : 0;
    m_deadline.start(phases * kPhaseWatchdogMs + m_options.imagesMarginMs);
    if (!running())
        beginScreenshots();
}

void WindowDriver::onRunningChanged()
{
    if (running() || !m_inspecting)
        return;
    m_inspecting = false;
    appendStartupLog(QStringLiteral("inspection finished"));
    // Queued: the window's own bindings to the end of the run must settle first.
    if (!m_options.screenshotsDir.isEmpty())
        QTimer::singleShot(0, this, &WindowDriver::beginScreenshots);
}

void WindowDriver::onPhaseEnded(const QString &phase, bool byWatchdog)
{
    const double seconds = static_cast<double>(m_phaseClock.restart()) / 1000.0;
    appendStartupLog(
        QStringLiteral("phase %1: %2 after %3 s")
            .arg(phase, byWatchdog ? QStringLiteral("skipped by the watchdog") : QStringLiteral("completed"))
            .arg(seconds, 0, 'f', 1));
}

void WindowDriver::beginScreenshots()
{
    if (m_shooting || m_done)
        return;
    QVariant started;
    QMetaObject::invokeMethod(m_window, "exportAllScreenshots", Q_RETURN_ARG(QVariant, started),
                              Q_ARG(QVariant, m_options.screenshotsDir));
    m_shooting = started.toBool();
    if (!m_shooting)
        onDeadline(); // refused: report every image as failed
}

void WindowDriver::onShot(const QString &path, const QString &fileName, bool saved)
{
    if (!m_shooting || m_done)
        return;
    m_reported.insert(fileName);
    if (saved) {
        ++m_saved;
        m_out << "OK: " << QDir::toNativeSeparators(path) << Qt::endl;
    } else {
        m_out << "FAILED: " << fileName << Qt::endl;
    }
}

void WindowDriver::onExportingChanged()
{
    if (!m_shooting || m_done || m_window->property("shotExporting").toBool())
        return;
    m_done = true;
    m_deadline.stop();
    const int expected = expectedFiles().size();
    appendStartupLog(QStringLiteral("screenshots saved: %1/%2").arg(m_saved).arg(expected));
    emit finished(m_saved == expected ? 0 : 1, false);
}

void WindowDriver::onDeadline()
{
    if (m_done)
        return;
    m_done = true;
    for (const QString &file : expectedFiles())
        if (!m_reported.contains(file))
            m_out << "FAILED: " << file << Qt::endl;
    appendStartupLog(QStringLiteral("FAILED: the window run did not end in time"));
    emit finished(1, true);
}

// The image names of every tab: two-digit position, "_", the section key.
QStringList WindowDriver::expectedFiles() const
{
    QStringList files;
    const QVariantList sections = m_window->property("sections").toList();
    for (int i = 0; i < sections.size(); ++i)
        files << QStringLiteral("%1_%2.png")
                     .arg(i + 1, 2, 10, QLatin1Char('0'))
                     .arg(sections.at(i).toMap().value(QStringLiteral("key")).toString());
    return files;
}
