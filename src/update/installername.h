#pragma once

#include <QString>
#include <QUrl>

// The installer's file name: the last segment of the address, decoded. Anything that could
// leave the temporary folder or name a device instead of a file gives "Kelvaro-setup.exe".
QString installerFileName(const QUrl &address);
