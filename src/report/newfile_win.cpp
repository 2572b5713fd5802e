#include "report/newfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <windows.h>

namespace {

constexpr int kMostAttempts = 9999;

QString systemError(const char *what)
{
    const DWORD code = GetLastError();
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    const QString message = text ? QString::fromWCharArray(text).trimmed() : QString::number(code);
    LocalFree(text);
    return QStringLiteral("%1: %2").arg(QLatin1String(what), message);
}

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// CREATE_NEW never opens what exists, links and reparse points included.
HANDLE createNew(const QString &path)
{
    return CreateFileW(native(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

QString writeScratch(const QString &folder, const QByteArray &bytes, QString *error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path =
            folder + QStringLiteral("/.kelvaro-%1.part").arg(QRandomGenerator::global()->generate64(), 0, 36);
        const HANDLE file = createNew(path);
        if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS)
            continue;
        if (file == INVALID_HANDLE_VALUE) {
            *error = systemError("cannot create a file");
            return {};
        }
        DWORD written = 0;
        const bool ok =
            WriteFile(file, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == static_cast<DWORD>(bytes.size()) && FlushFileBuffers(file);
        if (!ok)
            *error = systemError("cannot write");
        CloseHandle(file);
        if (!ok) {
            DeleteFileW(native(path).c_str());
            return {};
        }
        return path;
    }
    *error = QStringLiteral("cannot create a file: too many leftovers");
    return {};
}

} // namespace

NewFile writeNewFile(const QString &folder, const QString &stem, const QString &extension,
                     const QByteArray &bytes)
{
    NewFile result;
    const QString where = QDir(folder).absolutePath();
    const QString scratch = writeScratch(where, bytes, &result.error);
    if (scratch.isEmpty())
        return result;
    for (int attempt = 1; attempt <= kMostAttempts && result.path.isEmpty(); ++attempt) {
        const QString target = where + QLatin1Char('/') + numberedName(stem, extension, attempt);
        // Claim the name first; the move then replaces only this call's own placeholder.
        const HANDLE placeholder = createNew(target);
        if (placeholder == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS)
            continue;
        if (placeholder == INVALID_HANDLE_VALUE) {
            result.error = systemError("cannot name the file");
            break;
        }
        CloseHandle(placeholder);
        if (!MoveFileExW(native(scratch).c_str(), native(target).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            result.error = systemError("cannot name the file");
            DeleteFileW(native(target).c_str());
            break;
        }
        result.path = target;
    }
    if (result.path.isEmpty()) {
        if (result.error.isEmpty())
            result.error = QStringLiteral("every name is taken");
        DeleteFileW(native(scratch).c_str());
    }
    return result;
}
