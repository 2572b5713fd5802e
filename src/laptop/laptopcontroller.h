#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QVariantMap>

class HardwareController;

// Identifies the laptop after every completed scan and publishes the findings and verdict.
class LaptopController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool found READ found NOTIFY matchChanged)
    Q_PROPERTY(bool isLaptop READ isLaptop NOTIFY matchChanged)
    Q_PROPERTY(QVariantMap board READ board NOTIFY matchChanged)
    Q_PROPERTY(QVariantList findings READ findings NOTIFY matchChanged)
    Q_PROPERTY(QVariantMap verdict READ verdict NOTIFY matchChanged)
    Q_PROPERTY(int knownModels READ knownModels CONSTANT)

public:
    // Connects to the scan's completion at once, so that handlers connected later already see
    // the new evaluation.
    explicit LaptopController(HardwareController *hardware, QObject *parent = nullptr);

    bool found() const;
    bool isLaptop() const { return m_isLaptop; }
    QVariantMap board() const { return m_board; }
    QVariantList findings() const { return m_findings; }
    QVariantMap verdict() const { return m_verdict; }
    int knownModels() const;

signals:
    void matchChanged();

private slots:
    void reevaluate();

private:
    QPointer<HardwareController> m_hardware;
    bool m_isLaptop = false;
    QVariantMap m_board;
    QVariantList m_findings;
    QVariantMap m_verdict;
};
