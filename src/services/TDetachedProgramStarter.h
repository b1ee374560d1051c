#pragma once

#include "services/IProgramStarter.h"

// Starts the program detached through QProcess, never through a shell. The parameter text is
// split into arguments by the usual quoting rules; on Windows it goes to the program as the
// command line itself.
class TDetachedProgramStarter : public IProgramStarter {
public:
    bool Start(const QString& program, const QString& parameters) override;
};
