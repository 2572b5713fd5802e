#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

// How a finding reads, and what it costs the verdict. The checks and the verdict decide on these
// values; the words ("ok", "major", ...) exist only in the finding and verdict maps.
enum class FindingStatus { Ok, Info, Warn, Alert };
enum class FindingImpact { None, Upgrade, Minor, Major };

// "ok", "info", "warn", "alert": a finding's `status` and a verdict's `level`.
QString findingStatusText(FindingStatus status);

// A finding map; without an impact it follows from the status (alert: major, warn: minor,
// else none).
QVariantMap makeFinding(const QString &area, const QString &label, FindingStatus status,
                        const QString &detail, std::optional<FindingImpact> impact = std::nullopt);

// The `impact` of a finding map; none for a missing or unknown word.
FindingImpact findingImpact(const QVariantMap &finding);
