#pragma once

#include <QVariantList>
#include <QVariantMap>

// Identifies the machine in the catalogue and compares it with what the maker fitted. The
// arguments are the snapshot members of the same names; the result holds isLaptop, board,
// findings and verdict. A machine that is not a laptop gets no findings and an empty verdict.
QVariantMap evaluateLaptop(const QVariantMap &system, const QVariantMap &cpu, const QVariantMap &ramSummary,
                           const QVariantList &ramModules, const QVariantList &disks);
