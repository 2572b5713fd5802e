#pragma once

#include "interactive/screentestresult.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The saved outcome of the screen test: the marked defects, a note and the verdict. Memory only.
class DisplayController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList faults READ faults NOTIFY changed)
    Q_PROPERTY(QString note READ note NOTIFY changed)
    Q_PROPERTY(QString verdict READ verdict NOTIFY changed)
    Q_PROPERTY(QString verdictLevel READ verdictLevel NOTIFY changed)
    Q_PROPERTY(bool confirmed READ confirmed NOTIFY changed)

public:
    explicit DisplayController(QObject *parent = nullptr);

    QStringList faults() const { return m_result.faults; }
    QString note() const { return m_result.note; }
    QString verdict() const { return m_result.verdict; }
    QString verdictLevel() const { return m_result.verdictLevel; }
    bool confirmed() const { return m_result.confirmed; }
    const ScreenTestResult &result() const { return m_result; }

    // Saving again replaces the previous result.
    Q_INVOKABLE void setResult(const QStringList &faults, const QString &note, const QString &verdict,
                               const QString &level);
    Q_INVOKABLE void reset();

signals:
    void changed();

private:
    ScreenTestResult m_result;
};
