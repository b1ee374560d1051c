#pragma once

#include <QStandardPaths>

#include <gtest/gtest.h>

// Skips the running test, saying why, when `program` (a name such as "lame") is not on the PATH.
#define SKIP_WITHOUT_TOOL(program)                                                                 \
    do {                                                                                           \
        if (QStandardPaths::findExecutable(program).isEmpty())                                     \
            GTEST_SKIP() << (program) << " is not installed";                                      \
    } while (false)
