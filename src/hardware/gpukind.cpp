#include "hardware/gpukind.h"

#include "hardware/keys/gpukeys.h"

#include <QRegularExpression>

namespace {

constexpr quint64 kGiB = 1073741824ull;

// Lower case, trademark marks removed, single spaces: "amd radeon vega 8 graphics".
QString plainName(const QString &vendor, const QString &name)
{
    QString text = (vendor + QLatin1Char(' ') + name).toLower();
    for (const char *mark : {"(tm)", "(r)", "\u2122", "\u00ae"})
        text.remove(QString::fromUtf8(mark));
    return text.simplified();
}

// Names the graphics of a processor carries, on Windows and as the PCI ID list has them.
bool hasIntegratedName(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        // AMD, by processor generation: Llano…Richland (HD 6620G, HD 7660D), Brazos and Kabini
        // (HD 6310, HD 8330), Kaveri…Stoney (R7 Graphics, R2/R3/R4/R5 Graphics), Raven…Cezanne
        // (Vega 8, RX Vega 10, "Vega Series / Vega Mobile Series"), Rembrandt onwards (680M,
        // 780M, 890M, 8060S), and the chip names the ID list gives without a product name.
        "\\bradeon (?:hd )?\\d{4}[gd]\\b"
        "|\\bradeon hd (?:6250|6290|6310|6320|7290|7310|7340|8180|8210|8240|8250|8280|8310|8330|8400)e?\\b"
        "|\\bradeon r\\d+e?(?:/r\\d+e?)* graphics\\b"
        "|\\bapu\\b"
        "|\\bradeon (?:rx )?vega (?:[1-9]|1[01])\\b"
        "|\\bvega (?:mobile )?series\\b"
        "|\\bradeon \\d{3}m\\b"
        "|\\bradeon 80\\d0s\\b"
        "|\\bfirepro a3[02]0\\b"
        "|\\b(?:kaveri|mullins|sumo|renoir|cezanne|lucienne|barcelo|rembrandt|raphael|phoenix\\d?|mendocino)"
        "\\b"
        // Intel: every Arc that is not an A-series or B-series card (Arc Graphics, Arc Pro
        // Graphics, Arc 140V, Arc 130T, and the B370/B390 of Panther Lake).
        "|\\barc\\b(?! (?:pro )?(?:a\\d{2,3}|b[4-9]\\d{1,2}|b[1-9]\\d)[a-z]*\\b)"));
    return pattern.match(text).hasMatch();
}

bool hasDedicatedName(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("nvidia|geforce|radeon|rtx|gtx|quadro|firepro|\\barc\\b|\\biris xe max\\b"));
    return pattern.match(text).hasMatch();
}

// Bytes of a size text as the inventory writes it ("8.0 GB", "512 MB", "1.00 TB"); 0 otherwise.
quint64 sizeBytes(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?) (MB|GB|TB)$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return 0;
    const QString unit = match.captured(2);
    const double scale = unit == QLatin1String("TB")   ? 1024.0 * kGiB
                         : unit == QLatin1String("GB") ? double(kGiB)
                                                       : 1048576.0;
    return static_cast<quint64>(match.captured(1).toDouble() * scale);
}

} // namespace

bool isDedicatedGpu(const QString &vendor, const QString &name, quint64 dedicatedMemoryBytes)
{
    const QString text = plainName(vendor, name);
    if (hasIntegratedName(text))
        return false;
    static const QRegularExpression bareRadeon(QStringLiteral("\\bradeon graphics\\b"));
    if (bareRadeon.match(text).hasMatch())
        return dedicatedMemoryBytes > 4 * kGiB;
    if (hasDedicatedName(text))
        return true;
    static const QRegularExpression amdChip(QStringLiteral("\\b(?:amd|ati)\\b"));
    return amdChip.match(text).hasMatch() && dedicatedMemoryBytes > 4 * kGiB;
}

bool isDedicatedGpu(const QVariantMap &gpu)
{
    return isDedicatedGpu(gpu.value(GpuKey::kVendor).toString(), gpu.value(GpuKey::kName).toString(),
                          sizeBytes(gpu.value(GpuKey::kVram).toString()));
}
