#pragma once

#include <QString>

// What one drive reports about itself. Every field keeps its initial value when unknown.
struct SmartReading {
    static constexpr int kUnknownMedia = -1, kRotating = 0, kSolidState = 1; // media; logged as numbers

    bool valid = false;   // health data was read (NVMe log or ATA SMART attributes)
    int health = -1;      // 0..100
    int temperature = -1; // degrees Celsius
    qint64 powerOnHours = -1;
    int media = kUnknownMedia;
    QString model; // as IDENTIFY names it
    QString serial;
    QString firmware;
};
