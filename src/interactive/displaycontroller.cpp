#include "interactive/displaycontroller.h"

DisplayController::DisplayController(QObject *parent) : QObject(parent) {}

void DisplayController::setResult(const QStringList &faults, const QString &note, const QString &verdict,
                                  const QString &level)
{
    m_faults = faults;
    m_note = note;
    m_verdict = verdict;
    m_verdictLevel = level;
    m_confirmed = true;
    emit changed();
}

void DisplayController::reset()
{
    // An empty result stays quiet, so bindings do not re-run for nothing.
    if (!m_confirmed && m_faults.isEmpty() && m_note.isEmpty())
        return;
    m_faults.clear();
    m_note.clear();
    m_verdict.clear();
    m_verdictLevel.clear();
    m_confirmed = false;
    emit changed();
}
