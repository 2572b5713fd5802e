#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// The whole content of a regular file of at most maxBytes. Anything else (a named pipe, a device,
// a folder, a larger file) is refused without waiting on it or reading it to the end.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error);

// Opens the file its name names for reading when that is a regular file; false with the reason
// otherwise.
bool openRegularFile(QFile &file, QString *error);
