#include "platform/wql.h"

#include <cctype>
#include <sstream>

namespace platform {

namespace {

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string upper(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Position of a whole keyword (surrounded by white space or the text's ends), or npos.
std::size_t findKeyword(const std::string &upperText, const std::string &keyword, std::size_t from = 0)
{
    for (auto pos = upperText.find(keyword, from); pos != std::string::npos;
         pos = upperText.find(keyword, pos + 1)) {
        const bool startOk = pos == 0 || std::isspace(static_cast<unsigned char>(upperText[pos - 1]));
        const auto end = pos + keyword.size();
        const bool endOk =
            end == upperText.size() || std::isspace(static_cast<unsigned char>(upperText[end]));
        if (startOk && endOk)
            return pos;
    }
    return std::string::npos;
}

} // namespace

bool equalsIgnoreCase(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<WqlQuery> parseWql(const std::string &wql)
{
    const std::string text = trimmed(wql);
    const std::string up = upper(text);
    if (findKeyword(up, "SELECT") != 0)
        return std::nullopt;
    const auto from = findKeyword(up, "FROM");
    if (from == std::string::npos)
        return std::nullopt;

    WqlQuery query;
    const std::string list = trimmed(text.substr(6, from - 6));
    if (list.empty())
        return std::nullopt;
    if (list != "*") {
        std::stringstream parts(list);
        std::string part;
        while (std::getline(parts, part, ',')) {
            part = trimmed(part);
            if (part.empty())
                return std::nullopt;
            query.properties.push_back(part);
        }
    }

    std::stringstream rest(text.substr(from + 4));
    rest >> query.className;
    if (query.className.empty())
        return std::nullopt;
    return query;
}

Row applySelect(const Row &row, const WqlQuery &query)
{
    Row out;
    for (const auto &[name, value] : row) {
        if (!isPresent(value))
            continue;
        bool wanted = query.properties.empty();
        for (const auto &property : query.properties) {
            if (equalsIgnoreCase(property, name)) {
                wanted = true;
                break;
            }
        }
        if (wanted)
            out.emplace(name, value);
    }
    return out;
}

} // namespace platform
