#pragma once

#include "platform/source.h"

#include <QString>
#include <QVariantMap>

#include <array>
#include <optional>

// The brand text of extended leaves 0x80000002..4: 48 bytes of Latin-1, ending at the first zero, trimmed.
QString brandString(const std::array<platform::CpuidRegisters, 3> &leaves);

// Instruction sets named by leaf 1 and leaf 7 sub-leaf 0, joined with ", "; a missing leaf names none.
QString instructionSetsText(const std::optional<platform::CpuidRegisters> &leaf1,
                            const std::optional<platform::CpuidRegisters> &leaf7);

// "%1 GHz" with two decimals; empty when the clock is not above 0.
QString clockText(int megahertz);

struct CpuUpgrade {
    bool upgradable = false;
    QString note;
};

// deviceType from the system map; socket as the platform spells it; 6 is "no upgrade method".
CpuUpgrade cpuUpgrade(const QString &deviceType, const QString &socket, int upgradeMethod);

// The cpu map from the first Win32_Processor row; name falls back to the brand text.
QVariantMap buildCpuMap(const QVariantMap &row, const QString &brandName, const QString &instructionSets,
                        const QString &deviceType);
