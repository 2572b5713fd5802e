#pragma once

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

    QStringList faults() const { return m_faults; }
    QString note() const { return m_note; }
    QString verdict() const { return m_verdict; }
    QString verdictLevel() const { return m_verdictLevel; }
    bool confirmed() const { return m_confirmed; }

    // Saving again replaces the previous result.
    Q_INVOKABLE void setResult(const QStringList &faults, const QString &note, const QString &verdict,
                               const QString &level);
    Q_INVOKABLE void reset();

signals:
    void changed();

private:
    QStringList m_faults;
    QString m_note;
    QString m_verdict;
    QString m_verdictLevel;
    bool m_confirmed = false;
};
