#include "hardware/diskmedia.h"

namespace {

const QString kHdd = QStringLiteral("HDD");
const QString kSsd = QStringLiteral("SSD");
const QString kScm = QStringLiteral("SCM");

} // namespace

QString diskMediaText(DiskMedia media)
{
    switch (media) {
    case DiskMedia::Hdd:
        return kHdd;
    case DiskMedia::Ssd:
        return kSsd;
    case DiskMedia::Scm:
        return kScm;
    case DiskMedia::Unknown:
        break;
    }
    return {};
}

DiskMedia diskMediaOfText(const QString &text)
{
    if (text.contains(kSsd))
        return DiskMedia::Ssd;
    if (text.contains(kScm))
        return DiskMedia::Scm;
    if (text.contains(kHdd))
        return DiskMedia::Hdd;
    return DiskMedia::Unknown;
}
