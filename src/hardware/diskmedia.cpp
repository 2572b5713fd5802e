#include "hardware/diskmedia.h"

namespace {

struct MediaWord {
    DiskMedia media;
    const char *word;
};

// In the order a text is read back.
constexpr MediaWord kMediaWords[] = {
    {DiskMedia::Ssd, "SSD"}, {DiskMedia::Scm, "SCM"}, {DiskMedia::Hdd, "HDD"}};

} // namespace

QString diskMediaText(DiskMedia media)
{
    for (const MediaWord &entry : kMediaWords) {
        if (entry.media == media)
            return QLatin1String(entry.word);
    }
    return {};
}

DiskMedia diskMediaOfText(const QString &text)
{
    for (const MediaWord &entry : kMediaWords) {
        if (text.contains(QLatin1String(entry.word)))
            return entry.media;
    }
    return DiskMedia::Unknown;
}
