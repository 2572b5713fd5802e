#pragma once

#include "laptop/laptopfinding.h"
#include "laptop/laptopidentify.h"

#include <QString>
#include <QVariantList>
#include <QVariantMap>

// Lower case without trademark marks and the words "processor" and "cpu", single-spaced:
// "Intel(R) Core(TM) i5-8250U CPU" -> "intel core i5-8250u".
QString normalizeCpuName(const QString &text);

// "ddr5", "ddr4" or "ddr3", the first of them (in that order) the text names; empty otherwise.
QString ddrGeneration(const QString &text);

// Whether a processor is of the other vendor than a platform that names exactly one vendor.
// A platform naming both vendors (or neither) accepts either processor.
bool cpuVendorDiffers(const QString &cpuPlatform, const QString &normalizedCpuName);

// The checks, each giving the findings of its area in the order they are shown.
QVariantList processorFindings(const LaptopMatch &match, const QString &cpuName);
QVariantList boardFindings(const LaptopMatch &match, const QVariantMap &system);
// The memory generation is no finding: identification already requires it to fit.
QVariantList memoryFindings(const QVariantMap &ramSummary, const QVariantList &ramModules);
QVariantList storageFindings(const QVariantList &disks);
