#pragma once

#include <QString>

// What one drive reports about itself. Every field keeps its initial value when unknown.
struct SmartReading {
    bool valid = false;   // health data was read (NVMe log or ATA SMART attributes)
    int health = -1;      // 0..100
    int temperature = -1; // degrees Celsius
    qint64 powerOnHours = -1;
    int media = -1; // 1 solid state, 0 rotating, -1 unknown
    QString model;  // as IDENTIFY names it
    QString serial;
    QString firmware;
};
