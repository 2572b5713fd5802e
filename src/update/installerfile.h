#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QSaveFile>
#include <QString>

// The installer as it arrives: written to a hidden temporary file beside its final name and
// hashed on the way. Only commit() gives it the name, so an unverified download never carries it.
class InstallerFile {
public:
    explicit InstallerFile(const QString &path);

    bool open();
    bool write(const QByteArray &chunk);
    qint64 size() const { return m_size; }
    // Lower-case hexadecimal SHA-256 of everything written.
    QString sha256() const;
    // Replaces any earlier file of that name.
    bool commit();
    // Leaves nothing behind.
    void discard();

private:
    QSaveFile m_file;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    qint64 m_size = 0;
};
