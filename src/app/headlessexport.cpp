#include "app/headlessexport.h"

#include "app/startuplog.h"
#include "hardware/hardwarecontroller.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace {

// A path or reason as the terminal gets it: control characters (a folder name can hold an
// escape sequence) shown as '?', as directory listings do.
QString terminalText(QString text)
{
    for (QChar &ch : text) {
        if (ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format)
            ch = QLatin1Char('?');
    }
    return text;
}

// Drives one headless run on its own event loop.
class HeadlessRun {
public:
    HeadlessRun(const HeadlessReport &report, const QStringList &formats, QTextStream &out)
        : m_report(report), m_formats(formats), m_out(out)
    {
    }

    int exec(HardwareController &hardware, int timeoutMs)
    {
        QTimer scanGuard;
        scanGuard.setSingleShot(true);
        QObject::connect(&hardware, &HardwareController::dataChanged, &m_loop, [this, &scanGuard]() {
            if (m_scanned)
                return; // only the first completed scan matters
            m_scanned = true;
            scanGuard.stop();
            startPhase(0);
        });
        QObject::connect(&scanGuard, &QTimer::timeout, &m_loop, [this]() {
            m_scanned = true;
            m_loop.exit(2);
        });
        scanGuard.start(timeoutMs);
        hardware.scan();
        const int code = m_loop.exec();
        delete m_phaseContext;
        return code;
    }

private:
    void startPhase(std::size_t index)
    {
        delete m_phaseContext;
        m_current = index;
        if (index >= m_report.phases.size()) {
            exportAll();
            return;
        }
        const HeadlessPhase &phase = m_report.phases[index];
        m_phaseContext = new QObject;
        // Move on from the event loop, not from inside the phase's own signal.
        const auto next = [this, index]() {
            if (m_current == index)
                QTimer::singleShot(0, m_phaseContext, [this, index]() { startPhase(index + 1); });
        };
        QTimer::singleShot(phase.boundMs, m_phaseContext, [this, index]() {
            const HeadlessPhase &late = m_report.phases[index];
            if (late.stop)
                late.stop();
            startPhase(index + 1);
        });
        if (phase.start)
            phase.start(m_phaseContext, next);
        else
            next();
    }

    void exportAll()
    {
        if (m_report.recompute)
            m_report.recompute();
        int failures = 0;
        for (const QString &format : m_formats) {
            const QString path = m_report.exportAs ? m_report.exportAs(format) : QString();
            if (path.isEmpty()) {
                m_out << "FAILED: " << terminalText(format) << Qt::endl;
                const QString reason = m_report.failureReason ? m_report.failureReason() : QString();
                if (!reason.isEmpty())
                    QTextStream(stderr) << "kelvaro: " << format << ": " << terminalText(reason) << Qt::endl;
                appendStartupLog(
                    QStringLiteral("FAILED: %1%2")
                        .arg(format, reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
                ++failures;
            } else {
                m_out << "OK: " << terminalText(path) << Qt::endl;
                appendStartupLog(QStringLiteral("written: ") + path);
            }
        }
        m_out.flush();
        m_loop.exit(failures ? 1 : 0);
    }

    const HeadlessReport &m_report;
    const QStringList &m_formats;
    QTextStream &m_out;
    QEventLoop m_loop;
    bool m_scanned = false;
    std::size_t m_current = 0;
    QPointer<QObject> m_phaseContext;
};

} // namespace

int runHeadlessExport(HardwareController &hardware, const HeadlessReport &report, const QStringList &formats,
                      QTextStream &out, int timeoutMs)
{
    HeadlessRun run(report, formats, out);
    return run.exec(hardware, timeoutMs);
}
