#pragma once

#include "cdimport/IEncoderProgram.h"

// The LAME command-line encoder, found on the PATH. Arguments go to it one by one, never
// through a shell, so quotes and blanks in tag values and file names are harmless.
class TLameProgram : public IEncoderProgram {
public:
    explicit TLameProgram(QString program = "lame") : program_(std::move(program)) {}
    TEncoderRun Run(const QStringList& arguments) override;

private:
    QString program_;
};
