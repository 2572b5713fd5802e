#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// "Kelvaro_BaoCao_yyyyMMdd_HHmmss.<format>", the format lower-cased.
QString exportFileName(const QString &format, const QDateTime &when);

// The first candidate that is set and exists, else the fallback.
QString firstExistingFolder(const QStringList &candidates, const QString &fallback);

// Desktop, else Documents, else the home folder.
QString defaultExportFolder();

// Replaces the file only once every byte is written; a short write leaves any earlier file as
// it was. Text mode translates line ends where the system wants it.
bool writeWholeFile(const QString &path, const QByteArray &bytes, bool textMode);

// The HTML laid out on A4 pages with 14 mm margins, with the report's title and creator.
bool writePdfFile(const QString &path, const QString &html);
