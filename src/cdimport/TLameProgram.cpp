#include "cdimport/TLameProgram.h"

#include <QProcess>
#include <QProcessEnvironment>

TEncoderRun TLameProgram::Run(const QStringList& arguments) {
    QProcess process;
    process.setProgram(program_);
    process.setArguments(arguments);
    // Under the C locale lame cannot convert the tag texts and drops every non-ASCII title.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(environment);
    // LAME's progress lines would pile up in memory unread.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1))
        return {};
    process.waitForFinished(-1);
    return {true, process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0};
}
