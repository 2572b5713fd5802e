#include "report/newfile.h"

#include "platform/windows/new_file.h"

#include <QDir>

NewFile writeNewFile(const QString &folder, const QString &stem, const QString &extension,
                     const QByteArray &bytes)
{
    const QString where = QDir(folder).absolutePath();
    const auto written = platform::windowsbackend::writeNewFile(
        QDir::toNativeSeparators(where).toStdWString(),
        [&](int attempt) { return numberedName(stem, extension, attempt).toStdWString(); }, bytes.constData(),
        static_cast<std::size_t>(bytes.size()));
    NewFile result;
    if (!written.path.empty())
        result.path = QDir::fromNativeSeparators(QString::fromStdWString(written.path));
    result.error = QString::fromStdString(written.error);
    return result;
}
