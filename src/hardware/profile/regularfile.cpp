#include "hardware/profile/regularfile.h"

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error)
{
    QFile file(path);
    if (!openRegularFile(file, error))
        return std::nullopt;
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 n = file.read(chunk, sizeof chunk);
        if (n < 0) {
            *error = file.errorString();
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<int>(n));
        if (bytes.size() > maxBytes) {
            *error = QStringLiteral("larger than %1 bytes").arg(maxBytes);
            return std::nullopt;
        }
    }
    return bytes;
}
