#pragma once

#include <map>
#include <string>

namespace platform::linuxbackend {

// KEY=value lines of os-release, with shell quoting and escapes undone; other lines are skipped.
std::map<std::string, std::string> parseOsRelease(const std::string &text);

} // namespace platform::linuxbackend
