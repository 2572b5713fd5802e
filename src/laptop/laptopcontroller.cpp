#include "laptop/laptopcontroller.h"

#include "hardware/hardwarecontroller.h"
#include "laptop/keys/boardkeys.h"
#include "laptop/keys/evaluationkeys.h"
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
    return m_board.value(BoardKey::kFound).toBool();
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
    m_isLaptop = result.value(EvaluationKey::kIsLaptop).toBool();
    m_board = result.value(EvaluationKey::kBoard).toMap();
    m_findings = result.value(EvaluationKey::kFindings).toList();
    m_verdict = result.value(EvaluationKey::kVerdict).toMap();
    emit matchChanged();
}
