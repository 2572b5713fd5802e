#include "hardware/profile/regularfile.h"

#include <QFileInfo>

bool openRegularFile(QFile &file, QString *error)
{
    const QString path = file.fileName();
    if (!QFileInfo(path).isFile()) {
        *error =
            QFileInfo::exists(path) ? QStringLiteral("not a regular file") : QStringLiteral("no such file");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    return true;
}
