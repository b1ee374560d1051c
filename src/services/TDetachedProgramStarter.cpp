#include "services/TDetachedProgramStarter.h"

#include <QFileInfo>
#include <QProcess>

bool TDetachedProgramStarter::Start(const QString& program, const QString& parameters) {
    if (!QFileInfo(program).isExecutable())
        return false;
    QProcess process;
    process.setProgram(program);
#ifdef Q_OS_WIN
    process.setNativeArguments(parameters);
#else
    process.setArguments(QProcess::splitCommand(parameters));
#endif
    return process.startDetached();
}
