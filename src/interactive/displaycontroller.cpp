#include "interactive/displaycontroller.h"

DisplayController::DisplayController(QObject *parent) : QObject(parent) {}

void DisplayController::setResult(const QStringList &faults, const QString &note, const QString &verdict,
                                  const QString &level)
{
    m_result = ScreenTestResult{faults, note, verdict, level, true};
    emit changed();
}

void DisplayController::reset()
{
    // An empty result stays quiet, so bindings do not re-run for nothing.
    if (!m_result.confirmed && m_result.faults.isEmpty() && m_result.note.isEmpty())
        return;
    m_result = ScreenTestResult{};
    emit changed();
}
