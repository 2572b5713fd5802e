#pragma once

#include <windows.h>

namespace platform::windowsbackend {

// Calls that some Windows lacks are looked up at run time: a static import of a library or an
// export that is missing stops the whole program before it starts.

// A library of the system folder, loaded (never from the program's own folder or the working
// directory) and kept for the life of the process; null when this Windows has none.
HMODULE systemLibrary(const wchar_t *fileName);

// The export `name` of `library` as the function pointer type `Function`; null when the library or
// the export is missing. Callers keep the answer in a static, so each call is looked up once.
template <typename Function> Function systemCall(HMODULE library, const char *name)
{
    if (!library)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(library, name)));
}

} // namespace platform::windowsbackend

// The export of `library` named and typed after the declaration of `function` in the Windows
// headers, so that the name looked up cannot drift from the type it is called through.
#define KELVARO_SYSTEM_CALL(library, function)                                                               \
    ::platform::windowsbackend::systemCall<decltype(&function)>(library, #function)
