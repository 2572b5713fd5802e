#include "hardware/activesource.h"

#include <mutex>

namespace {

std::shared_ptr<platform::Source> &slot()
{
    static std::shared_ptr<platform::Source> source;
    return source;
}

} // namespace

std::shared_ptr<platform::Source> activeSource()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (!slot())
            slot() = platform::makeLiveSource();
    });
    return slot();
}

void setActiveSource(std::shared_ptr<platform::Source> source)
{
    slot() = std::move(source);
}
