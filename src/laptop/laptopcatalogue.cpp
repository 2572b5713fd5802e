#include "laptop/laptopcatalogue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtGlobal>

#include <iterator>

namespace {

struct TextField {
    const char *key;
    QString LaptopModel::*member;
};
struct ListField {
    const char *key;
    QStringList LaptopModel::*member;
};

const TextField kTextFields[] = {
    {"brand", &LaptopModel::brand},           {"series", &LaptopModel::series},
    {"formFactor", &LaptopModel::formFactor}, {"cpuPlatform", &LaptopModel::cpuPlatform},
    {"cpuOptions", &LaptopModel::cpuOptions}, {"maxRam", &LaptopModel::maxRam},
    {"ramType", &LaptopModel::ramType},       {"boardId", &LaptopModel::boardId},
    {"swapGroup", &LaptopModel::swapGroup},   {"upgradeNote", &LaptopModel::upgradeNote},
};
const ListField kListFields[] = {
    {"matchKeys", &LaptopModel::matchKeys},
    {"cpuKeys", &LaptopModel::cpuKeys},
};
// Besides the texts and lists: cpuSoldered and ramSlots.
constexpr int kFieldCount = int(std::size(kTextFields) + std::size(kListFields)) + 2;

// The name of the first field that is missing or of the wrong type; empty when the entry is whole.
QString readEntry(const QJsonObject &object, LaptopModel &entry)
{
    for (const TextField &field : kTextFields) {
        const QJsonValue value = object.value(QLatin1String(field.key));
        if (!value.isString())
            return QLatin1String(field.key);
        entry.*field.member = value.toString();
    }
    for (const ListField &field : kListFields) {
        const QJsonValue value = object.value(QLatin1String(field.key));
        if (!value.isArray())
            return QLatin1String(field.key);
        for (const QJsonValue &item : value.toArray()) {
            if (!item.isString())
                return QLatin1String(field.key);
            (entry.*field.member).append(item.toString());
        }
    }
    const QJsonValue soldered = object.value(QLatin1String("cpuSoldered"));
    if (!soldered.isBool())
        return QStringLiteral("cpuSoldered");
    entry.cpuSoldered = soldered.toBool();
    const QJsonValue slotCount = object.value(QLatin1String("ramSlots"));
    if (!slotCount.isDouble() || slotCount.toDouble() != slotCount.toInt(-1) || slotCount.toInt() < 0)
        return QStringLiteral("ramSlots");
    entry.ramSlots = slotCount.toInt();
    return {};
}

} // namespace

// Outside any namespace: the resource initialiser is declared where it is called.
static QVector<LaptopModel> loadCatalogue()
{
    Q_INIT_RESOURCE(laptopcatalogue);
    QFile file(QStringLiteral(":/laptop/laptopcatalogue.json"));
    QString error = QStringLiteral("the resource is missing");
    if (file.open(QIODevice::ReadOnly)) {
        if (auto catalogue = parseLaptopCatalogue(file.readAll(), &error))
            return *catalogue;
    }
    // Compiled in and checked by the tests, so this only happens on a broken build; the machine
    // then reads as not in the catalogue rather than taking a partial list.
    qCritical("laptop catalogue unreadable: %s", qUtf8Printable(error));
    return {};
}

std::optional<QVector<LaptopModel>> parseLaptopCatalogue(const QByteArray &json, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isArray())
        return fail(parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                 : QStringLiteral("not an array"));
    QVector<LaptopModel> catalogue;
    const QJsonArray entries = document.array();
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject object = entries.at(i).toObject();
        LaptopModel entry;
        QString bad = readEntry(object, entry);
        // A misspelt key would otherwise leave its field at the default without a word.
        if (bad.isEmpty() && object.size() != kFieldCount)
            bad = QStringLiteral("unknown field");
        if (!bad.isEmpty())
            return fail(QStringLiteral("entry %1: %2").arg(i + 1).arg(bad));
        catalogue.append(entry);
    }
    return catalogue;
}

const QVector<LaptopModel> &laptopCatalogue()
{
    // A function-local static is initialised exactly once, even with concurrent first callers.
    static const QVector<LaptopModel> catalogue = loadCatalogue();
    return catalogue;
}
