#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The whole content of a regular file of at most maxBytes. Anything else (a named pipe, a device,
// a folder, a larger file) is refused without waiting on it or reading it to the end.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error);
