#include "cdimport/IProgramExit.h"

#include <cstdlib>

namespace {
class TProcessExit : public IProgramExit {
public:
    void Exit(int exitCode) override { std::exit(exitCode); }
};

TProcessExit processExit;
IProgramExit* installedExit = nullptr;
} // namespace

IProgramExit& ProgramExit() { return installedExit ? *installedExit : processExit; }

void SetProgramExit(IProgramExit* exit) { installedExit = exit; }
