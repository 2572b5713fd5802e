#include "platform/linux/dmi_text.h"

#include "platform/text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace platform::linuxbackend {

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool allDigits(const std::string &text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

} // namespace

bool isFirmwarePlaceholder(const std::string &text)
{
    static const char *const placeholders[] = {
        "not specified",
        "not applicable",
        "not available",
        "not present",
        "not defined",
        "unknown",
        "none",
        "n/a",
        "na",
        "null",
        "empty",
        "[empty]",
        "invalid",
        "default",
        "default string",
        "oem",
        "o.e.m.",
        "to be filled by o.e.m.",
        "to be filled by oem",
        "system manufacturer",
        "system product name",
        "system version",
        "system serial number",
        "system name",
        "base board manufacturer",
        "base board product name",
        "base board version",
        "base board serial number",
        "chassis manufacture",
        "chassis manufacturer",
        "chassis version",
        "chassis serial number",
        "asset tag",
        "asset-1234567890",
        "no asset tag",
        "no asset information",
        "type1productconfigid",
        "type1family",
        "type2 - board vendor name1",
        "type2 - board product name1",
        "type2 - board version",
        "type2 - board serial number",
        "abcdefghijklmnopqrstuvwxyz",
        "0123456789",
        "1234567890",
        "123456789",
        "x.x",
        "xxxxx",
    };
    const std::string folded = lower(text);
    for (const char *placeholder : placeholders) {
        if (folded == placeholder)
            return true;
    }
    // Nothing but punctuation, blanks or zeros ("--", "....", "00000000") names nothing.
    const bool hasMeaning = std::any_of(folded.begin(), folded.end(), [](unsigned char c) {
        return (std::isalnum(c) && c != '0') || c >= 0x80;
    });
    return !hasMeaning;
}

std::string meaningfulFirmwareText(const std::string &raw)
{
    const std::string text = trim(text::utf8OrLatin1ControlsAsSpaces(raw));
    return isFirmwarePlaceholder(text) ? std::string() : text;
}

std::string dmiText(const SysRoot &root, const std::string &attribute)
{
    const auto value = root.readAttribute("/sys/class/dmi/id/" + attribute);
    return value ? meaningfulFirmwareText(*value) : std::string();
}

std::string cimDateFromDmi(const std::string &date)
{
    const std::string text = trim(date);
    const auto first = text.find('/');
    const auto second = first == std::string::npos ? std::string::npos : text.find('/', first + 1);
    if (second == std::string::npos)
        return {};
    const std::string month = text.substr(0, first);
    const std::string day = text.substr(first + 1, second - first - 1);
    std::string year = text.substr(second + 1);
    if (!allDigits(month) || !allDigits(day) || !allDigits(year) || month.size() > 2 || day.size() > 2)
        return {};
    if (year.size() == 2)
        year = (std::stoi(year) < 80 ? "20" : "19") + year;
    const int m = std::stoi(month);
    const int d = std::stoi(day);
    if (year.size() != 4 || m < 1 || m > 12 || d < 1 || d > 31)
        return {};
    char out[32];
    std::snprintf(out, sizeof out, "%s%02d%02d000000.000000+000", year.c_str(), m, d);
    return out;
}

} // namespace platform::linuxbackend
