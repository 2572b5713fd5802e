#include "hardware/profile/profiledata.h"

#include <cstdio>

std::string cpuidKey(std::uint32_t leaf, std::optional<std::uint32_t> subLeaf)
{
    char text[32];
    if (subLeaf)
        std::snprintf(text, sizeof text, "%x.%u", leaf, *subLeaf);
    else
        std::snprintf(text, sizeof text, "%x", leaf);
    return text;
}
