#include "cdimport/TLameProgram.h"

#include <QProcess>

TEncoderRun TLameProgram::Run(const QStringList& arguments) {
    QProcess process;
    process.setProgram(program_);
    process.setArguments(arguments);
    // LAME's progress lines would pile up in memory unread.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1))
        return {};
    process.waitForFinished(-1);
    return {true, process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0};
}
