#pragma once

#include "cdimport/IProgramExit.h"

#include <QList>

// Records program exits instead of ending the test; installs itself while it lives.
class TRecordingExit : public IProgramExit {
public:
    TRecordingExit() { SetProgramExit(this); }
    ~TRecordingExit() override { SetProgramExit(nullptr); }
    void Exit(int exitCode) override { ExitCodes.append(exitCode); }

    QList<int> ExitCodes;
};
