#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::windowsbackend {

// Text of the Windows API as UTF-8: at most `capacity` UTF-16 units, up to the first zero.
std::string utf8(const wchar_t *text, std::size_t capacity = SIZE_MAX);

// A fixed-size character array of a Windows structure, which need not end in a zero.
template <std::size_t N> std::string utf8(const wchar_t (&text)[N])
{
    return utf8(static_cast<const wchar_t *>(text), N);
}

} // namespace platform::windowsbackend
