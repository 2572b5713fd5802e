#include "platform/linux/os_release.h"

#include "platform/linux/sysroot.h"
#include "platform/text.h"

#include <cctype>
#include <sstream>

namespace platform::linuxbackend {

namespace {

bool isKey(const std::string &key)
{
    if (key.empty() || std::isdigit(static_cast<unsigned char>(key[0])))
        return false;
    for (const char c : key) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    }
    return true;
}

// One shell word: quoted in '' or "" (with \ escapes in ""), or bare with \ escapes.
std::string unquote(const std::string &text)
{
    std::string out;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote == '\'') {
            if (c == '\'')
                quote = 0;
            else
                out += c;
        } else if (c == '\\' && i + 1 < text.size() &&
                   (quote == 0 || std::string("\"\\$`").find(text[i + 1]) != std::string::npos)) {
            out += text[++i];
        } else if (quote == '"') {
            if (c == '"')
                quote = 0;
            else
                out += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::map<std::string, std::string> parseOsRelease(const std::string &text)
{
    std::map<std::string, std::string> fields;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        line = trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        if (!isKey(key))
            continue;
        fields[key] = trim(text::utf8OrLatin1ControlsAsSpaces(unquote(line.substr(equals + 1))));
    }
    return fields;
}

} // namespace platform::linuxbackend
