#pragma once

#include <QStringList>

struct TEncoderRun {
    bool Started = false;
    bool Succeeded = false; // ended normally with exit code 0
};

// The MP3 encoder program, run to its end with the given arguments.
class IEncoderProgram {
public:
    virtual ~IEncoderProgram() = default;
    virtual TEncoderRun Run(const QStringList& arguments) = 0;
};
