#include "laptop/laptopfinding.h"

#include "laptop/keys/findingkeys.h"

namespace {

struct ImpactWord {
    FindingImpact impact;
    const char *word;
};
constexpr ImpactWord kImpactWords[] = {{FindingImpact::None, "none"},
                                       {FindingImpact::Upgrade, "upgrade"},
                                       {FindingImpact::Minor, "minor"},
                                       {FindingImpact::Major, "major"}};

QString impactText(FindingImpact impact)
{
    for (const ImpactWord &entry : kImpactWords) {
        if (entry.impact == impact)
            return QLatin1String(entry.word);
    }
    return {};
}

} // namespace

QString findingStatusText(FindingStatus status)
{
    switch (status) {
    case FindingStatus::Ok:
        return QStringLiteral("ok");
    case FindingStatus::Info:
        return QStringLiteral("info");
    case FindingStatus::Warn:
        return QStringLiteral("warn");
    case FindingStatus::Alert:
        break;
    }
    return QStringLiteral("alert");
}

QVariantMap makeFinding(const QString &area, const QString &label, FindingStatus status,
                        const QString &detail, std::optional<FindingImpact> impact)
{
    if (!impact) {
        impact = status == FindingStatus::Alert  ? FindingImpact::Major
                 : status == FindingStatus::Warn ? FindingImpact::Minor
                                                 : FindingImpact::None;
    }
    return {{FindingKey::kArea, area},
            {FindingKey::kLabel, label},
            {FindingKey::kStatus, findingStatusText(status)},
            {FindingKey::kDetail, detail},
            {FindingKey::kImpact, impactText(*impact)}};
}

FindingImpact findingImpact(const QVariantMap &finding)
{
    const QString word = finding.value(FindingKey::kImpact).toString();
    for (const ImpactWord &entry : kImpactWords) {
        if (word == QLatin1String(entry.word))
            return entry.impact;
    }
    return FindingImpact::None;
}
