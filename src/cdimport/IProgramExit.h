#pragma once

// Ends the program at once, for the few failures at start that leave it nothing to do.
// Tests install a recorder in its place.
class IProgramExit {
public:
    virtual ~IProgramExit() = default;
    virtual void Exit(int exitCode) = 0;
};

// The exit in use.
IProgramExit& ProgramExit();
// Installs `exit` (not owned); nullptr returns to ending the process.
void SetProgramExit(IProgramExit* exit);
