#pragma once

#include <QVariantList>
#include <QVariantMap>

// Condenses findings into level, title, text, score out of 100, stars and the deductions.
// Without a matched catalogue entry there is no maker standard to conform to: the verdict is
// "not enough data" whatever the memory and storage findings say.
QVariantMap laptopVerdict(const QVariantList &findings, bool matched);
