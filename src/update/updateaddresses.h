#pragma once

#include <QString>
#include <QUrl>
#include <QtGlobal>

// The update server's base address chosen when the program was built ("https://host"); empty
// when the build has none, which is the default.
QString builtInUpdateBase();

// Where the manifest is asked for: the override when given, else the base's manifest file;
// invalid when there is neither. The query always becomes "t=<now>" so that no cache answers.
QUrl manifestAddress(const QString &base, const QString &override, qint64 nowMs);

// The page that offers the release for download; empty without a base.
QUrl downloadPageAddress(const QString &base);
