#pragma once

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Skips the running test, saying why, when `program` (a name such as "lame") is not on the PATH.
#define SKIP_WITHOUT_TOOL(program)                                                                 \
    do {                                                                                           \
        if (QStandardPaths::findExecutable(program).isEmpty())                                     \
            GTEST_SKIP() << (program) << " is not installed";                                      \
    } while (false)

// The system's Python, where Debian's python3-* packages install their modules.
inline const char* SystemPython() { return "/usr/bin/python3"; }

inline bool HasPythonModule(const char* module) {
    QProcess python;
    python.start(SystemPython(), {"-c", QStringLiteral("import %1").arg(module)});
    return python.waitForFinished(60000) && python.exitStatus() == QProcess::NormalExit &&
           python.exitCode() == 0;
}

// Skips the running test when the system's Python cannot import `module` (such as "mutagen").
#define SKIP_WITHOUT_PYTHON_MODULE(module)                                                         \
    do {                                                                                           \
        if (!HasPythonModule(module))                                                              \
            GTEST_SKIP() << "the Python module " << (module) << " is not installed";               \
    } while (false)
