#include "hardware/diskhealth.h"

namespace {

const QString kGood = QStringLiteral("Tốt");
const QString kWarning = QStringLiteral("Cảnh báo");
const QString kFailed = QStringLiteral("Lỗi");

} // namespace

QString diskHealthText(DiskHealth health)
{
    switch (health) {
    case DiskHealth::Good:
        return kGood;
    case DiskHealth::Warning:
        return kWarning;
    case DiskHealth::Failed:
        return kFailed;
    case DiskHealth::Unknown:
        break;
    }
    return QStringLiteral("Không đọc được SMART");
}

DiskHealth diskHealthOfText(const QString &text)
{
    if (text.contains(kGood))
        return DiskHealth::Good;
    if (text.contains(kWarning))
        return DiskHealth::Warning;
    if (text.contains(kFailed))
        return DiskHealth::Failed;
    return DiskHealth::Unknown;
}
