#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// "Kelvaro_BaoCao_yyyyMMdd_HHmmss": the file name before a free-name number and the extension.
QString exportFileStem(const QDateTime &when);

// The first candidate that is set and exists, else the fallback.
QString firstExistingFolder(const QStringList &candidates, const QString &fallback);

// Desktop, else Documents, else the home folder.
QString defaultExportFolder();

// Text as the system writes text files: lines end with CR LF on Windows.
QByteArray withSystemLineEnds(QByteArray text);

// The HTML laid out on A4 pages with 14 mm margins, with the report's title and creator, as the
// bytes of a PDF file; empty when nothing could be drawn.
QByteArray pdfBytes(const QString &html);
