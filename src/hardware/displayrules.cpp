#include "hardware/displayrules.h"

#include "hardware/platformvalue.h"

#include "hardware/charcodes.h"
#include "hardware/keys/displaykeys.h"
#include "hardware/rowreaders.h"

#include <QHash>

#include <cmath>

namespace {

QString sizePair(std::uint32_t width, std::uint32_t height)
{
    return QStringLiteral("%1 x %2").arg(width).arg(height);
}

QString hertz(std::uint32_t frequency)
{
    return QStringLiteral("%1 Hz").arg(frequency);
}

void putIdentification(QVariantMap &display, const QVariantMap &row)
{
    putText(display, DisplayKey::kModel, decodeCharCodes(row.value(QStringLiteral("UserFriendlyName"))));
    putText(display, DisplayKey::kVendor,
            monitorVendorName(decodeCharCodes(row.value(QStringLiteral("ManufacturerName")))));
    putText(display, DisplayKey::kSerial, decodeCharCodes(row.value(QStringLiteral("SerialNumberID"))));
    putText(display, DisplayKey::kYear, manufactureYearText(rowInt(row, "YearOfManufacture")));
}

QVariantMap displayEntry(const platform::DisplayDevice &device)
{
    QVariantMap display;
    display.insert(DisplayKey::kPrimary, (device.stateFlags & platform::DisplayDevice::kPrimary) != 0);
    if (const auto &current = device.current) {
        // A mode without a size is no mode at all; "0 x 0" would only mislead.
        if (current->width > 0 && current->height > 0)
            display.insert(DisplayKey::kResolution, sizePair(current->width, current->height));
        // 0 and 1 mean the hardware's default rate.
        if (current->frequency >= 2)
            display.insert(DisplayKey::kRefresh, hertz(current->frequency));
        if (current->bitsPerPixel > 0)
            display.insert(DisplayKey::kColorDepth, QStringLiteral("%1-bit").arg(current->bitsPerPixel));
    }
    const platform::DisplayMode native = nativeMode(device.modes);
    if (native.width != 0 && native.height != 0) {
        display.insert(DisplayKey::kNativeResolution, sizePair(native.width, native.height));
        if (native.frequency >= 2)
            display.insert(DisplayKey::kMaxRefresh, hertz(native.frequency));
    }
    putText(display, DisplayKey::kAdapter, seamText(device.description).trimmed());
    return display;
}

} // namespace

QString monitorVendorName(const QString &code)
{
    // Built once, on first use, and only read afterwards.
    static const QHash<QString, QString> vendors = {
        {QStringLiteral("AUS"), QStringLiteral("ASUS")},
        {QStringLiteral("ACI"), QStringLiteral("ASUS")},
        {QStringLiteral("ACR"), QStringLiteral("Acer")},
        {QStringLiteral("SAM"), QStringLiteral("Samsung")},
        {QStringLiteral("SDC"), QStringLiteral("Samsung")},
        {QStringLiteral("LGD"), QStringLiteral("LG Display")},
        {QStringLiteral("GSM"), QStringLiteral("LG")},
        {QStringLiteral("DEL"), QStringLiteral("Dell")},
        {QStringLiteral("HPN"), QStringLiteral("HP")},
        {QStringLiteral("HWP"), QStringLiteral("HP")},
        {QStringLiteral("SHP"), QStringLiteral("Sharp")},
        {QStringLiteral("BNQ"), QStringLiteral("BenQ")},
        {QStringLiteral("AOC"), QStringLiteral("AOC")},
        {QStringLiteral("MSI"), QStringLiteral("MSI")},
        {QStringLiteral("VSC"), QStringLiteral("ViewSonic")},
        {QStringLiteral("PHL"), QStringLiteral("Philips")},
        {QStringLiteral("LEN"), QStringLiteral("Lenovo")},
        {QStringLiteral("APP"), QStringLiteral("Apple")},
        {QStringLiteral("NEC"), QStringLiteral("NEC")},
        {QStringLiteral("CMN"), QStringLiteral("Chi Mei (Innolux)")},
        {QStringLiteral("BOE"), QStringLiteral("BOE")},
        {QStringLiteral("AUO"), QStringLiteral("AU Optronics")},
    };
    return vendors.value(code, code);
}

QString manufactureYearText(int year)
{
    return year >= 1991 && year <= 2099 ? QString::number(year) : QString();
}

QString diagonalText(double widthCm, double heightCm)
{
    if (!(widthCm > 0) || !(heightCm > 0))
        return {};
    const double inches = std::sqrt(widthCm * widthCm + heightCm * heightCm) / 2.54;
    if (!std::isfinite(inches))
        return {};
    return QString::number(inches, 'f', 1) + QLatin1Char('"');
}

platform::DisplayMode nativeMode(const std::vector<platform::DisplayMode> &modes)
{
    platform::DisplayMode kept;
    std::uint64_t keptArea = 0;
    for (const auto &mode : modes) {
        const std::uint64_t area = static_cast<std::uint64_t>(mode.width) * mode.height;
        if (area > keptArea) {
            kept = mode;
            keptArea = area;
        } else if (mode.width == kept.width && mode.height == kept.height &&
                   mode.frequency > kept.frequency) {
            kept.frequency = mode.frequency;
        }
    }
    return kept;
}

QVariantList displayEntries(const std::vector<platform::DisplayDevice> &devices,
                            const QList<QVariantMap> &identifications, const QList<QVariantMap> &imageSizes)
{
    QVariantList displays;
    for (const auto &device : devices) {
        if (!(device.stateFlags & platform::DisplayDevice::kAttachedToDesktop))
            continue;
        const int k = displays.size();
        QVariantMap display = displayEntry(device);
        if (k < identifications.size())
            putIdentification(display, identifications.at(k));
        if (k < imageSizes.size()) {
            const QVariantMap &size = imageSizes.at(k);
            putText(display, DisplayKey::kSize,
                    diagonalText(size.value(QStringLiteral("MaxHorizontalImageSize")).toDouble(),
                                 size.value(QStringLiteral("MaxVerticalImageSize")).toDouble()));
        }
        displays.append(display);
    }
    return displays;
}
