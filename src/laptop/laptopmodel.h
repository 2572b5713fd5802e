#pragma once

#include <QString>
#include <QStringList>

// One family of the built-in catalogue: how to recognise it and what its maker fitted.
struct LaptopModel {
    QString brand;
    QString series;
    QStringList matchKeys; // lower case; each one found in the machine's name adds its length to the score
    QStringList cpuKeys;   // lower case; the processor name must contain one of them (empty: any)
    QString formFactor;
    QString cpuPlatform; // the words intel and amd in it name the platform's vendors
    bool cpuSoldered = true;
    QString cpuOptions; // processors the maker fitted, comma-separated
    QString maxRam;
    int ramSlots = 0; // removable slots; 0 for soldered memory
    QString ramType;
    QString boardId;
    QString swapGroup; // entries sharing it have interchangeable boards
    QString upgradeNote;
};
