#pragma once

#include <QVariantList>
#include <QVariantMap>

// Condenses findings into level, title, text, score out of 100, stars and the deductions.
QVariantMap laptopVerdict(const QVariantList &findings);
