#include "platform/value.h"

namespace platform {

bool isPresent(const Value &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return false;
    if (const auto *text = std::get_if<std::string>(&value))
        return !text->empty();
    if (const auto *list = std::get_if<IntList>(&value))
        return !list->empty();
    return true;
}

} // namespace platform
