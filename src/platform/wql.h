#pragma once

#include "platform/value.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The part of a WQL query a backend needs: which class, which properties.
struct WqlQuery {
    std::vector<std::string> properties; // empty when the query selects *
    std::string className;
};

// Parses "SELECT a, b FROM Class [WHERE ...]"; nullopt when it is not such a query.
std::optional<WqlQuery> parseWql(const std::string &wql);

// Keeps the requested properties of a full row (names compared ignoring case) that have a value.
Row applySelect(const Row &row, const WqlQuery &query);

bool equalsIgnoreCase(const std::string &a, const std::string &b);

} // namespace platform
