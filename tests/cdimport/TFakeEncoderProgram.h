#pragma once

#include "cdimport/IEncoderProgram.h"

#include <QFile>

#include <functional>

// An encoder that records its arguments and writes `Output` into the last one.
class TFakeEncoderProgram : public IEncoderProgram {
public:
    TEncoderRun Result{true, true};
    QByteArray Output = "ID3 and MPEG frames";
    QList<QStringList> Runs;
    QByteArray InputSeen; // the WAV file's content while the encoder ran

    TEncoderRun Run(const QStringList& arguments) override {
        Runs.append(arguments);
        QFile input(arguments.value(arguments.size() - 2));
        if (input.open(QIODevice::ReadOnly))
            InputSeen = input.readAll();
        if (Result.Started && !Output.isEmpty()) {
            QFile output(arguments.last());
            if (output.open(QIODevice::WriteOnly))
                output.write(Output);
        }
        return Result;
    }
};
