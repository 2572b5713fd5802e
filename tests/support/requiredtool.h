#pragma once

#include <QStandardPaths>
#include <QtTest>

// A tool that scripts/setup.sh installs for the test command. Its absence means the set-up is
// broken, so the test fails instead of passing quietly without having run. Builds outside that
// set-up opt out with KELVARO_TESTS_ALLOW_MISSING_TOOLS=1, which turns the failure into a skip.
#define KELVARO_REQUIRE_TOOL(tool)                                                                           \
    do {                                                                                                     \
        if (QStandardPaths::findExecutable(QStringLiteral(tool)).isEmpty()) {                                \
            if (qEnvironmentVariableIntValue("KELVARO_TESTS_ALLOW_MISSING_TOOLS") == 1)                      \
                QSKIP(tool " is not installed");                                                             \
            QFAIL(tool " is not installed: run scripts/setup.sh (or set "                                    \
                       "KELVARO_TESTS_ALLOW_MISSING_TOOLS=1 to skip)");                                      \
        }                                                                                                    \
    } while (false)
