#include "laptop/laptopcontroller.h"

#include "hardware/hardwarecontroller.h"
#include "laptop/laptopcatalogue.h"
#include "laptop/laptopevaluation.h"

LaptopController::LaptopController(HardwareController *hardware, QObject *parent)
    : QObject(parent), m_hardware(hardware)
{
    if (hardware)
        connect(hardware, &HardwareController::dataChanged, this, &LaptopController::reevaluate);
}

bool LaptopController::found() const
{
    return m_board.value(QStringLiteral("found")).toBool();
}

int LaptopController::knownModels() const
{
    return laptopCatalogue().size();
}

void LaptopController::reevaluate()
{
    if (!m_hardware)
        return;
    const QVariantMap result =
        evaluateLaptop(m_hardware->system(), m_hardware->cpu(), m_hardware->ramSummary(),
                       m_hardware->ramModules(), m_hardware->disks());
    m_isLaptop = result.value(QStringLiteral("isLaptop")).toBool();
    m_board = result.value(QStringLiteral("board")).toMap();
    m_findings = result.value(QStringLiteral("findings")).toList();
    m_verdict = result.value(QStringLiteral("verdict")).toMap();
    emit matchChanged();
}
