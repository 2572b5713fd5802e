#pragma once

#include <QByteArray>
#include <QString>

struct NewFile {
    QString path;  // the name written; empty on failure
    QString error; // why it failed, for the user and the log
};

// Writes the bytes under the first free name of folder/stem.extension, folder/stem_2.extension,
// ... Nothing existing is ever replaced or followed: the bytes go to a fresh hidden file first,
// reach the disk in full, and only then take a name nobody holds. On failure no file is left.
NewFile writeNewFile(const QString &folder, const QString &stem, const QString &extension,
                     const QByteArray &bytes);

// The name for the n-th attempt: stem.extension, then stem_2.extension, ...
QString numberedName(const QString &stem, const QString &extension, int attempt);
