#include "report/newfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMostAttempts = 9999;

QString systemError(const char *what, int code)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(code)));
}

bool writeAll(int fd, const QByteArray &bytes, QString *error)
{
    const char *at = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *error = systemError("cannot write", n < 0 ? errno : ENOSPC);
            return false;
        }
        at += n;
        left -= n;
    }
    // Some file systems only find out at write-back that the space is gone.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
        *error = systemError("cannot write", errno);
        return false;
    }
    return true;
}

// A hidden file only this call created, holding every byte; empty path on failure.
QByteArray writeScratch(const QByteArray &folder, const QByteArray &bytes, QString *error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray path = folder + "/.kelvaro-" + QByteArray::number(::getpid()) + '-' +
                                QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".part";
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            *error = systemError("cannot create a file", errno);
            return {};
        }
        const bool written = writeAll(fd, bytes, error);
        if (::close(fd) != 0 && written) {
            *error = systemError("cannot write", errno);
            ::unlink(path.constData());
            return {};
        }
        if (!written) {
            ::unlink(path.constData());
            return {};
        }
        return path;
    }
    *error = QStringLiteral("cannot create a file: too many leftovers");
    return {};
}

enum class Claim { Taken, Busy, Failed };

// Gives the scratch file the name unless something holds it. A hard link never replaces; where
// links are not supported, an exclusively created placeholder is replaced by the scratch file.
Claim claimName(const QByteArray &scratch, const QByteArray &target, QString *error)
{
    if (::link(scratch.constData(), target.constData()) == 0)
        return Claim::Taken;
    if (errno == EEXIST)
        return Claim::Busy;
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOTSUP && errno != EMLINK && errno != ENOSYS) {
        *error = systemError("cannot name the file", errno);
        return Claim::Failed;
    }
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return Claim::Busy;
        *error = systemError("cannot name the file", errno);
        return Claim::Failed;
    }
    ::close(fd);
    if (::rename(scratch.constData(), target.constData()) != 0) {
        *error = systemError("cannot name the file", errno);
        ::unlink(target.constData());
        return Claim::Failed;
    }
    return Claim::Taken;
}

} // namespace

NewFile writeNewFile(const QString &folder, const QString &stem, const QString &extension,
                     const QByteArray &bytes)
{
    NewFile result;
    const QByteArray where = QFile::encodeName(QDir(folder).absolutePath());
    const QByteArray scratch = writeScratch(where, bytes, &result.error);
    if (scratch.isEmpty())
        return result;
    for (int attempt = 1; attempt <= kMostAttempts; ++attempt) {
        const QString name = numberedName(stem, extension, attempt);
        const QByteArray target = where + '/' + QFile::encodeName(name);
        const Claim claim = claimName(scratch, target, &result.error);
        if (claim == Claim::Busy)
            continue;
        if (claim == Claim::Taken)
            result.path = QDir(folder).absoluteFilePath(name);
        break;
    }
    if (result.path.isEmpty() && result.error.isEmpty())
        result.error = QStringLiteral("every name is taken");
    // After a link the scratch name is a second name of the file; after a rename it is gone.
    ::unlink(scratch.constData());
    return result;
}
