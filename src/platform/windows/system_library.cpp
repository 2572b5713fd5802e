#include "platform/windows/system_library.h"

#include <string>

namespace platform::windowsbackend {

HMODULE systemLibrary(const wchar_t *fileName)
{
    // A full path: LoadLibraryW with a bare name would also search the program's folder and the
    // working directory, where anyone may have put a library of that name.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring path = std::wstring(folder, length) + L'\\' + fileName;
    return LoadLibraryW(path.c_str());
}

} // namespace platform::windowsbackend
