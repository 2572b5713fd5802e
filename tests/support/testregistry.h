#pragma once

#include <QObject>

#include <functional>

// Every test class of an area registers itself; the area's one executable runs them all.
int registerTestClass(const char *name, std::function<QObject *()> create);

#define KELVARO_TEST(Class)                                                                                  \
    static const int kelvaroTestRegistration_##Class = registerTestClass(#Class, [] { return new Class; });
