#pragma once

// A small assertion harness for the Windows test executable: no Qt and no framework exists for
// this cross compiler, and the cases need little more than named checks.

#include "platform/value.h"

#include <sstream>
#include <string>
#include <type_traits>

namespace check {

using CaseFunction = void (*)();

struct Register {
    Register(const char *name, CaseFunction function);
};

void fail(const char *file, int line, const std::string &message);

template <typename T> std::string describe(const T &value)
{
    std::ostringstream out;
    if constexpr (std::is_same_v<T, platform::Value>) {
        out << "Value#" << value.index();
    } else if constexpr (std::is_same_v<T, bool>) {
        out << (value ? "true" : "false");
    } else if constexpr (std::is_integral_v<T>) {
        out << +value;
    } else if constexpr (std::is_enum_v<T>) {
        out << static_cast<long long>(value);
    } else if constexpr (std::is_convertible_v<const T &, std::string> || std::is_arithmetic_v<T>) {
        out << value;
    } else {
        out << "(value)";
    }
    return out.str();
}

template <typename A, typename B>
bool equal(const A &actual, const B &expected, const char *actualText, const char *expectedText,
           const char *file, int line)
{
    if (actual == expected)
        return true;
    fail(file, line,
         std::string(actualText) + " == " + expectedText + ": got " + describe(actual) + ", expected " +
             describe(expected));
    return false;
}

} // namespace check

#define KELVARO_CASE_JOIN2(a, b) a##b
#define KELVARO_CASE_JOIN(a, b) KELVARO_CASE_JOIN2(a, b)

// TEST_CASE(name) { ... } defines and registers one case.
#define TEST_CASE(name)                                                                                      \
    static void name();                                                                                      \
    static const check::Register KELVARO_CASE_JOIN(registered_, name)(#name, name);                          \
    static void name()

#define CHECK(condition)                                                                                     \
    ((condition) ? true : (check::fail(__FILE__, __LINE__, "CHECK(" #condition ")"), false))
#define CHECK_EQ(actual, expected) check::equal((actual), (expected), #actual, #expected, __FILE__, __LINE__)
// Ends the case when the condition fails: what follows depends on it.
#define REQUIRE(condition)                                                                                   \
    do {                                                                                                     \
        if (!CHECK(condition))                                                                               \
            return;                                                                                          \
    } while (false)
