#pragma once

#include "hardware/smartreading.h"
#include "platform/source.h"

#include <QString>

#include <map>

// Turns the raw pages a drive returned into a SmartReading. Pages come from any backend or
// from a profile, so every length and value is checked before use.

struct SmartAttribute {
    int current = 0;
    int worst = 0;
    quint64 raw = 0; // 48 bits
};
using SmartAttributes = std::map<int, SmartAttribute>; // by attribute id

// A page shorter than 512 bytes, or one that is all zeros or all ones (a transport that
// reported success without data), carries nothing.
bool isUsablePage(const std::optional<platform::Page> &page);

// The attribute table of SMART READ DATA; a repeated id keeps the later entry.
SmartAttributes parseSmartAttributes(const platform::Page &smartData);

bool hasSolidStateAttribute(const SmartAttributes &attributes);

// Health percentage 0..100 from the attribute table.
int smartHealth(const SmartAttributes &attributes, bool solidState);

struct DriveHealth {
    SmartReading reading;
    SmartAttributes attributes; // empty unless ATA SMART data was read
};

DriveHealth parseDrivePages(const platform::DrivePages &pages, bool ssdHint);

// The diagnostic line written for a drive whose ATA SMART data was read.
QString smartLogLine(int drive, int health, const SmartAttributes &attributes);
