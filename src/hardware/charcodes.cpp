#include "hardware/charcodes.h"

#include "hardware/platformvalue.h"

#include <QVariantList>

namespace {

bool isControl(uint code)
{
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

// Appends the UTF-16 units that form printable characters; stops at the first 0.
QString printableText(const QVector<qlonglong> &codes)
{
    QString text;
    for (int i = 0; i < codes.size(); ++i) {
        const qlonglong code = codes.at(i);
        if (code == 0)
            break;
        if (code < 0 || code > 0xFFFF || isControl(static_cast<uint>(code)))
            continue;
        const QChar c(static_cast<ushort>(code));
        if (c.isHighSurrogate()) {
            // Kept only together with the low half that completes it.
            if (i + 1 < codes.size() && codes.at(i + 1) >= 0 && codes.at(i + 1) <= 0xFFFF &&
                QChar::isLowSurrogate(static_cast<uint>(codes.at(i + 1)))) {
                text.append(c);
                text.append(QChar(static_cast<ushort>(codes.at(++i))));
            }
            continue;
        }
        if (!c.isLowSurrogate())
            text.append(c);
    }
    return text.trimmed();
}

} // namespace

QString decodeCharCodes(const QVariant &value)
{
    QVector<qlonglong> codes;
    if (value.type() == QVariant::List) {
        for (const QVariant &item : value.toList()) {
            bool ok = false;
            const qlonglong code = item.toLongLong(&ok);
            codes.append(ok ? code : -1);
        }
    } else if (value.type() == QVariant::String) {
        for (const QChar c : value.toString())
            codes.append(c.unicode());
    } else {
        return {};
    }
    return seamText(printableText(codes));
}
