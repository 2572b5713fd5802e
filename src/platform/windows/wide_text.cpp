#include "platform/windows/wide_text.h"

#include "platform/text.h"

namespace platform::windowsbackend {

std::string utf8(const wchar_t *text, std::size_t capacity)
{
    if (!text)
        return {};
    std::size_t length = 0;
    while (length < capacity && text[length])
        ++length;
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");
    return text::utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t *>(text), length));
}

} // namespace platform::windowsbackend
