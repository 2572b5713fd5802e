#pragma once

#include "hardware/profile/profiledata.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct ProfileParse {
    std::optional<ProfileData> data;
    QString error; // one line naming the file and the first fault; empty on success
};

// Reads and checks a whole profile; a malformed or unreadable one gives an error, never partial data.
ProfileParse readProfile(const QString &path);
ProfileParse parseProfile(const QByteArray &json, const QString &origin);

QByteArray profileToJson(const ProfileData &data);
// Writes atomically: an existing file is only replaced by a complete new one.
bool writeProfile(const QString &path, const ProfileData &data, QString *error);
