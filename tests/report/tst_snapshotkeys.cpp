#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <map>
#include <set>

namespace {

using KeySets = std::map<QString, std::set<QString>>; // namespace -> keys

QString sourceRoot()
{
    return QDir::cleanPath(QStringLiteral(KELVARO_TEST_DATA "/../.."));
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Every `inline const QString kX = QStringLiteral("x");` of the key headers, by namespace.
KeySets declaredKeys()
{
    static const QRegularExpression space(QStringLiteral("^namespace (\\w+) \\{"));
    static const QRegularExpression key(
        QStringLiteral("^inline const QString k\\w+ = QStringLiteral\\(\"(\\w+)\"\\);"));
    KeySets keys;
    const QDir src(sourceRoot() + QStringLiteral("/src"));
    for (const QString &area : src.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir dir(src.filePath(area + QStringLiteral("/keys")));
        for (const QString &name : dir.entryList({QStringLiteral("*.h")})) {
            QString current;
            for (const QString &line : readText(dir.filePath(name)).split(QLatin1Char('\n'))) {
                if (const auto m = space.match(line); m.hasMatch())
                    current = m.captured(1);
                else if (const auto m = key.match(line); m.hasMatch())
                    keys[current].insert(m.captured(1));
            }
        }
    }
    return keys;
}

// The rows of docs/snapshot-keys.md, by the namespace of their section.
KeySets documentedKeys()
{
    static const QRegularExpression section(QStringLiteral("^## `(\\w+)`"));
    static const QRegularExpression row(QStringLiteral("^\\| `(\\w+)` \\|"));
    KeySets keys;
    QString current;
    for (const QString &line :
         readText(sourceRoot() + QStringLiteral("/docs/snapshot-keys.md")).split('\n')) {
        if (const auto m = section.match(line); m.hasMatch())
            current = m.captured(1);
        else if (const auto m = row.match(line); m.hasMatch())
            keys[current].insert(m.captured(1));
    }
    return keys;
}

// Where each map stands in an exported JSON report.
const std::map<QString, QString> kExportMaps = {
    {"hardware/system", "SystemKey"},   {"hardware/cpu", "CpuKey"},
    {"hardware/ram", "RamSummaryKey"},  {"hardware/ramModules", "RamModuleKey"},
    {"hardware/disks", "DiskKey"},      {"hardware/gpus", "GpuKey"},
    {"hardware/battery", "BatteryKey"}, {"hardware/displays", "DisplayKey"},
    {"hardware/network", "NetworkKey"}, {"hardware/bluetooth", "BluetoothKey"},
    {"categories", "CategoryKey"},      {"tests/benchmark", "BenchmarkKey"},
    {"tests/gpu", "GpuResultKey"},
};

void collectObject(const QJsonObject &object, const QString &space, KeySets &found)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        found[space].insert(it.key());
        if (space == QLatin1String("BluetoothKey") && it.key() == QLatin1String("devices")) {
            for (const QJsonValue &device : it.value().toArray())
                collectObject(device.toObject(), QStringLiteral("BluetoothDeviceKey"), found);
        }
    }
}

// The keys of every map in the golden JSON exports.
KeySets goldenExportKeys(QStringList &files)
{
    KeySets found;
    const QDir dir(QStringLiteral(KELVARO_TEST_DATA "/report"));
    for (const QString &name : dir.entryList({QStringLiteral("*.json")})) {
        const QJsonObject root = QJsonDocument::fromJson(readText(dir.filePath(name)).toUtf8()).object();
        if (!root.contains(QLatin1String("hardware")))
            continue; // a machine profile, not an export
        files << name;
        for (const auto &[path, space] : kExportMaps) {
            const QStringList parts = path.split(QLatin1Char('/'));
            QJsonValue value = root.value(parts.first());
            if (parts.size() > 1)
                value = value.toObject().value(parts.last());
            if (value.isArray()) {
                for (const QJsonValue &entry : value.toArray())
                    collectObject(entry.toObject(), space, found);
            } else {
                collectObject(value.toObject(), space, found);
            }
        }
    }
    return found;
}

QStringList difference(const std::set<QString> &a, const std::set<QString> &b)
{
    QStringList out;
    for (const QString &key : a) {
        if (!b.count(key))
            out << key;
    }
    return out;
}

} // namespace

class TestSnapshotKeys : public QObject {
    Q_OBJECT

private slots:
    // The page lists exactly the declared keys, and the golden exports hold no key no header declares.
    void headersDocsAndGoldensAgree()
    {
        const KeySets declared = declaredKeys();
        QVERIFY2(declared.size() >= 18, qPrintable(QString::number(declared.size())));
        const KeySets documented = documentedKeys();
        QStringList mismatches;
        for (const auto &[space, keys] : declared) {
            const auto doc = documented.find(space);
            const std::set<QString> listed = doc == documented.end() ? std::set<QString>() : doc->second;
            for (const QString &key : difference(keys, listed))
                mismatches << space + QStringLiteral("::") + key + QStringLiteral(" not in the docs");
            for (const QString &key : difference(listed, keys))
                mismatches << space + QStringLiteral("::") + key + QStringLiteral(" not declared");
        }
        for (const auto &[space, keys] : documented) {
            if (!declared.count(space))
                mismatches << space + QStringLiteral(" documented but not declared");
        }

        QStringList files;
        const KeySets golden = goldenExportKeys(files);
        QVERIFY2(files.size() >= 3, qPrintable(files.join(' ')));
        for (const auto &[space, keys] : golden) {
            const auto it = declared.find(space);
            for (const QString &key :
                 difference(keys, it == declared.end() ? std::set<QString>() : it->second))
                mismatches << space + QStringLiteral("::") + key +
                                  QStringLiteral(" exported but not declared");
        }
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(QStringLiteral("; "))));
    }
};

KELVARO_TEST(TestSnapshotKeys)
#include "tst_snapshotkeys.moc"
