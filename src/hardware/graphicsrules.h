#pragma once

#include "platform/source.h"

#include <QList>
#include <QString>
#include <QVariantMap>

#include <vector>

// One hardware adapter as DXGI listed it.
struct DxgiAdapter {
    QString description;
    quint64 dedicatedMemory = 0; // bytes
};

// The hardware adapters in enumeration order; software renderers never take part in matching.
QList<DxgiAdapter> hardwareAdapters(const std::vector<platform::GraphicsAdapter> &adapters);

// Bytes of dedicated memory for a video controller: the first adapter whose description matches its
// name (equal, containing it, or contained in it, ignoring case) when that adapter reports memory;
// otherwise AdapterRAM when it lies between 1 byte and 64 GiB; 0 when neither is known.
quint64 videoMemoryBytes(const QString &name, quint64 adapterRam, const QList<DxgiAdapter> &adapters);

// One `gpus` entry from a Win32_VideoController row.
QVariantMap gpuEntry(const QVariantMap &controller, const QList<DxgiAdapter> &adapters);
