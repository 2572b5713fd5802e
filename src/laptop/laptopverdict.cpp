#include "laptop/laptopverdict.h"

#include "laptop/keys/findingkeys.h"
#include "laptop/keys/verdictkeys.h"
#include "laptop/laptopfinding.h"

#include <QStringList>

#include <algorithm>

namespace {

int starsFor(int score)
{
    if (score >= 95)
        return 5;
    if (score >= 80)
        return 4;
    if (score >= 65)
        return 3;
    if (score >= 50)
        return 2;
    return 1;
}

QString starTextOf(int stars)
{
    return QString(stars, QChar(0x2605)) + QString(5 - stars, QChar(0x2606));
}

} // namespace

QVariantMap laptopVerdict(const QVariantList &findings, bool matched)
{
    if (!matched || findings.isEmpty()) {
        return {{VerdictKey::kLevel, findingStatusText(FindingStatus::Info)},
                {VerdictKey::kTitle, QStringLiteral("Không đủ dữ liệu")},
                {VerdictKey::kText,
                 QStringLiteral("Chưa đủ dữ liệu chuẩn của hãng để đối chiếu chi tiết dòng máy này. Không "
                                "kết luận khi thiếu dữ liệu.")},
                {VerdictKey::kScore, 0},
                {VerdictKey::kStars, 5},
                {VerdictKey::kStarText, starTextOf(5)},
                {VerdictKey::kReasons, QStringList()}};
    }

    int majors = 0;
    int minors = 0;
    int upgrades = 0;
    QStringList reasons;
    for (const QVariant &item : findings) {
        const QVariantMap finding = item.toMap();
        const QString label = finding.value(FindingKey::kLabel).toString();
        switch (findingImpact(finding)) {
        case FindingImpact::Major:
            ++majors;
            reasons << QStringLiteral("−28đ: %1").arg(label);
            break;
        case FindingImpact::Minor:
            ++minors;
            reasons << QStringLiteral("−9đ: %1").arg(label);
            break;
        case FindingImpact::Upgrade:
            ++upgrades;
            reasons << QStringLiteral("−3đ: %1 (nâng cấp hợp lệ)").arg(label);
            break;
        case FindingImpact::None:
            break;
        }
    }

    const int score = std::clamp(100 - 28 * majors - 9 * minors - 3 * upgrades, 35, 100);
    const int stars = starsFor(score);

    FindingStatus level = FindingStatus::Ok;
    QString title;
    QString text;
    if (majors >= 1) {
        level = FindingStatus::Alert;
        title = QStringLiteral("Có dấu hiệu thay đổi lớn");
        text = QStringLiteral(
            "Có dấu hiệu thay đổi linh kiện quan trọng (CPU / mainboard / màn hình). Khuyến nghị "
            "kiểm tra thêm trước khi kết luận.");
    } else if (minors == 0 && upgrades == 0) {
        title = QStringLiteral("Nguyên bản");
        text = QStringLiteral("Không phát hiện thay đổi linh kiện quan trọng. Cấu hình phù hợp chuẩn hãng.");
    } else {
        title = QStringLiteral("Đã nâng cấp hợp lệ");
        text = QStringLiteral(
            "Không phát hiện thay đổi linh kiện quan trọng. Máy có thể đã được nâng cấp hợp lệ "
            "RAM/ổ cứng.");
    }

    return {{VerdictKey::kLevel, findingStatusText(level)},
            {VerdictKey::kTitle, title},
            {VerdictKey::kText, text},
            {VerdictKey::kScore, score},
            {VerdictKey::kStars, stars},
            {VerdictKey::kStarText, starTextOf(stars)},
            {VerdictKey::kReasons, reasons}};
}
