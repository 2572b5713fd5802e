#pragma once

#include "platform/windows/windows_source.h"

#include <fstream>
#include <sstream>
#include <string>

namespace support {

// COM for the length of a case, undone only when this scope initialised it.
class ComScope {
public:
    explicit ComScope(platform::Source &source) : m_source(source), m_init(source.comInitialize()) {}
    ~ComScope()
    {
        if (m_init == platform::ComInit::Owned)
            m_source.comUninitialize();
    }
    ComScope(const ComScope &) = delete;
    ComScope &operator=(const ComScope &) = delete;
    platform::ComInit init() const { return m_init; }

private:
    platform::Source &m_source;
    platform::ComInit m_init;
};

// A file of the Linux host that Wine runs on (its root is drive Z:), to compare Wine's answers
// with; empty when unreadable.
inline std::string hostFile(const std::string &unixPath)
{
    std::ifstream in("Z:" + unixPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace support
