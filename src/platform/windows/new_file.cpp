#include "platform/windows/new_file.h"

#include "platform/windows/wide_text.h"

#include <windows.h>

#include <algorithm>

namespace platform::windowsbackend {

namespace {

constexpr int kMostAttempts = 9999;

std::string systemError(const char *what, DWORD code)
{
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::string message = text ? utf8(text) : std::to_string(code);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return std::string(what) + ": " + message;
}

// CREATE_NEW never opens what exists, links and reparse points included.
HANDLE createNew(const std::wstring &path)
{
    return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

bool writeAll(HANDLE file, const char *bytes, std::size_t size)
{
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0)
            return false;
        bytes += written;
        size -= written;
    }
    return FlushFileBuffers(file) != 0;
}

// A hidden file only this call created, holding every byte; empty on failure.
std::wstring writeScratch(const std::wstring &folder, const char *bytes, std::size_t size, std::string *error)
{
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring path = folder + L"\\.kelvaro-" + std::to_wstring(GetCurrentProcessId()) + L'-' +
                                  std::to_wstring(now.QuadPart + attempt) + L".part";
        const HANDLE file = createNew(path);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD code = GetLastError();
            if (code == ERROR_FILE_EXISTS)
                continue;
            *error = systemError("cannot create a file", code);
            return {};
        }
        const bool ok = writeAll(file, bytes, size);
        const DWORD code = GetLastError();
        CloseHandle(file);
        if (!ok) {
            *error = systemError("cannot write", code);
            DeleteFileW(path.c_str());
            return {};
        }
        return path;
    }
    *error = "cannot create a file: too many leftovers";
    return {};
}

} // namespace

NewFileResult writeNewFile(const std::wstring &folder, const std::function<std::wstring(int)> &name,
                           const char *bytes, std::size_t size)
{
    NewFileResult result;
    const std::wstring scratch = writeScratch(folder, bytes, size, &result.error);
    if (scratch.empty())
        return result;
    for (int attempt = 1; attempt <= kMostAttempts && result.path.empty(); ++attempt) {
        const std::wstring target = folder + L'\\' + name(attempt);
        // Claim the name first; the move then replaces only this call's own placeholder.
        const HANDLE placeholder = createNew(target);
        if (placeholder == INVALID_HANDLE_VALUE) {
            const DWORD code = GetLastError();
            if (code == ERROR_FILE_EXISTS)
                continue;
            result.error = systemError("cannot name the file", code);
            break;
        }
        CloseHandle(placeholder);
        if (!MoveFileExW(scratch.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            result.error = systemError("cannot name the file", GetLastError());
            DeleteFileW(target.c_str());
            break;
        }
        result.path = target;
    }
    if (result.path.empty()) {
        if (result.error.empty())
            result.error = "every name is taken";
        DeleteFileW(scratch.c_str());
    }
    return result;
}

} // namespace platform::windowsbackend
