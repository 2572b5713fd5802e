#include "hardware/profile/regularfile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error)
{
    QFile file(path);
#ifdef Q_OS_UNIX
    // Opened without blocking, so a pipe nobody writes to cannot hold the program; the checks
    // below are on what was opened, not on a name that could change in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        *error = QStringLiteral("not a regular file");
        return std::nullopt;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = file.errorString();
        return std::nullopt;
    }
#else
    if (!QFileInfo(path).isFile()) {
        *error =
            QFileInfo::exists(path) ? QStringLiteral("not a regular file") : QStringLiteral("no such file");
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
#endif
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
