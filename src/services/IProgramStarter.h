#pragma once

#include <QString>

// Starts another program on its own, without waiting for it.
class IProgramStarter {
public:
    virtual ~IProgramStarter() = default;
    // `parameters` is one command-line text; returns false when the program could not start.
    virtual bool Start(const QString& program, const QString& parameters) = 0;
};
