#pragma once

#include "platform/source.h"

#include <memory>

// Reading what the Linux backend and the steps answered, in tests.
namespace linuxrows {

inline platform::Rows query(platform::Source &source, const char *nameSpace, const char *wql)
{
    const std::unique_ptr<platform::WmiService> service = source.openWmi(nameSpace);
    return service ? service->query(wql) : platform::Rows();
}

} // namespace linuxrows
