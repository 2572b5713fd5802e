#include "hardware/charcodes.h"

#include "hardware/platformvalue.h"
#include "platform/text.h"

#include <QVariantList>

QString decodeCharCodes(const QVariant &value)
{
    std::vector<std::int64_t> codes;
    if (value.type() == QVariant::List) {
        for (const QVariant &item : value.toList()) {
            bool ok = false;
            const qlonglong code = item.toLongLong(&ok);
            codes.push_back(ok ? code : -1);
        }
    } else if (value.type() == QVariant::String) {
        for (const QChar c : value.toString())
            codes.push_back(c.unicode());
    } else {
        return {};
    }
    return unitsText(platform::text::charCodesWithoutControlsOrBidi(codes));
}
