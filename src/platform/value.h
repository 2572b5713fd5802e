#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace platform {

using IntList = std::vector<std::int32_t>;

// What a platform property can hold. std::monostate is "no value"; text is UTF-8.
using Value = std::variant<std::monostate, std::int32_t, std::uint32_t, std::int64_t, std::uint64_t, double,
                           bool, std::string, IntList>;

// One WMI object: property name (as WMI spells it) to value. Only properties with a value appear.
using Row = std::map<std::string, Value>;
using Rows = std::vector<Row>;

// A row keeps a property only when it is "present": any number or boolean, a non-empty text or list.
bool isPresent(const Value &value);

} // namespace platform
