#include "hardware/profile/profilejson.h"

#include "hardware/profile/profilerecords.h"
#include "hardware/profile/regularfile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

using namespace profilejson;

constexpr int kFormatVersion = 1;
// Far above any recorded machine; a bigger file is not a profile.
constexpr qint64 kMaxProfileBytes = 32 * 1024 * 1024;

bool readVersioned(Reader &reader, const QJsonObject &root, ProfileData *data)
{
    const QString where = QStringLiteral("kelvaroProfile");
    if (!root.contains(where))
        return reader.fail(where, QStringLiteral("missing: not a Kelvaro profile"));
    quint64 version = 0;
    if (!readUnsigned(reader, root.value(where), where, 1000, &version))
        return false;
    if (version < 1 || version > kFormatVersion)
        return reader.fail(where, QStringLiteral("version %1 is not supported").arg(version));
    return Record<ProfileData>::readFields(reader, root, QString(), data);
}

} // namespace

ProfileParse parseProfile(const QByteArray &json, const QString &origin)
{
    ProfileParse result;
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = QStringLiteral("%1: not valid JSON (%2 at byte %3)")
                           .arg(origin, parseError.errorString())
                           .arg(parseError.offset);
        return result;
    }
    if (!document.isObject()) {
        result.error = origin + QStringLiteral(": not a Kelvaro profile (expected a JSON object)");
        return result;
    }
    Reader reader;
    ProfileData data;
    if (!readVersioned(reader, document.object(), &data)) {
        result.error = origin + QStringLiteral(": ") + reader.error;
        return result;
    }
    result.data = std::move(data);
    return result;
}

ProfileParse readProfile(const QString &path)
{
    ProfileParse result;
    QString error;
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxProfileBytes, &error);
    if (!bytes) {
        result.error = QStringLiteral("%1: cannot read profile (%2)").arg(path, error);
        return result;
    }
    return parseProfile(*bytes, path);
}

QByteArray profileToJson(const ProfileData &data)
{
    QJsonObject root = Record<ProfileData>::writeFields(data);
    root.insert(QStringLiteral("kelvaroProfile"), kFormatVersion);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool writeProfile(const QString &path, const ProfileData &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1: cannot write profile (%2)").arg(path, file.errorString());
        return false;
    }
    const QByteArray json = profileToJson(data);
    if (file.write(json) != json.size() || !file.commit()) {
        *error = QStringLiteral("%1: cannot write profile (%2)").arg(path, file.errorString());
        return false;
    }
    return true;
}
