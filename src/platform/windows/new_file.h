#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace platform::windowsbackend {

struct NewFileResult {
    std::wstring path; // the file written; empty on failure
    std::string error; // why it failed, UTF-8
};

// Writes the bytes into `folder` under the first of name(1), name(2), ... that nobody holds.
// Nothing existing is replaced or followed: the bytes go to a fresh hidden file first, reach the
// disk in full, and only then take a name claimed with CREATE_NEW. On failure no file is left.
NewFileResult writeNewFile(const std::wstring &folder, const std::function<std::wstring(int)> &name,
                           const char *bytes, std::size_t size);

} // namespace platform::windowsbackend
