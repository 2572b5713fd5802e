#include "update/installerfile.h"

InstallerFile::InstallerFile(const QString &path) : m_file(path) {}

bool InstallerFile::open()
{
    return m_file.open(QIODevice::WriteOnly);
}

bool InstallerFile::write(const QByteArray &chunk)
{
    if (m_file.write(chunk) != chunk.size())
        return false;
    m_hash.addData(chunk);
    m_size += chunk.size();
    return true;
}

QString InstallerFile::sha256() const
{
    return QString::fromLatin1(m_hash.result().toHex());
}

bool InstallerFile::commit()
{
    return m_file.commit();
}

void InstallerFile::discard()
{
    m_file.cancelWriting();
    m_file.commit(); // after cancelWriting this only removes the temporary file
}
