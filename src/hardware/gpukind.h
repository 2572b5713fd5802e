#pragma once

#include <QString>
#include <QVariantMap>

// Whether a graphics adapter is a GPU of its own, with its own memory, rather than the graphics of
// the processor. The name decides where it says which: AMD's processors sell their graphics as
// Radeon ("Radeon(TM) Vega 8 Graphics", "Radeon 780M") and Intel's as Arc ("Arc(TM) Graphics",
// "Arc 140V"), so the maker's word alone proves nothing. Only for a name that does not tell
// (AMD's bare "Radeon(TM) Graphics", which a few cards carry too, or a chip name without a product
// name) does the adapter's own memory decide: a processor's share of the system memory is rarely
// set above 4 GiB, a card below it with no product name is rarer still.
bool isDedicatedGpu(const QString &vendor, const QString &name, quint64 dedicatedMemoryBytes);

// The same over a `gpus` entry: its vendor, name and vram text ("8.0 GB", "512 MB").
bool isDedicatedGpu(const QVariantMap &gpu);
