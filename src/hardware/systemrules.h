#pragma once

#include "platform/source.h"

#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <optional>

// The rows the system step reads, one per query; empty when the query found nothing.
struct SystemRows {
    QVariantMap computer;  // Win32_ComputerSystem
    QVariantMap bios;      // Win32_BIOS
    QVariantMap board;     // Win32_BaseBoard
    QVariantMap enclosure; // Win32_SystemEnclosure
    QVariantMap os;        // Win32_OperatingSystem
    QVariantMap tpm;       // Win32_Tpm
};

// What the step learnt besides the rows.
struct SystemFacts {
    bool hasBattery = false;
    std::optional<std::uint32_t> firmwareType;
    std::optional<std::uint32_t> secureBoot;
};

// "Desktop", "Laptop", "All-in-One", "Server", "Mini PC", or empty for any other chassis code.
QString chassisDeviceType(int chassisCode);
// Only the first chassis code counts; a battery makes any machine a laptop.
QString deviceType(const QVariant &chassisTypes, bool hasBattery);
// True when the power status names a system battery; false also when it cannot tell (flag 128, 255).
bool powerStatusShowsBattery(const std::optional<platform::PowerStatus> &status);

QString firmwareText(std::optional<std::uint32_t> firmwareType);
QString secureBootText(std::optional<std::uint32_t> enabled);
// "TPM 2.0" from "2.0, 0, 1.38"; empty when the first part is empty.
QString tpmText(const QString &specVersion);

QVariantMap buildSystemMap(const SystemRows &rows, const SystemFacts &facts);
