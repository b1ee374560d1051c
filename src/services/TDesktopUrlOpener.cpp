#include "services/TDesktopUrlOpener.h"

#include <QProcess>

void TDesktopUrlOpener::Open(const QUrl& url, std::function<void()> failed) {
    // Freed when it ends: a viewer started in its foreground may keep it for a long time.
    auto* process = new QProcess;
    process->setProgram("xdg-open");
    process->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString()});
    auto fail = [failed = std::move(failed)] {
        if (failed)
            failed();
    };
    QObject::connect(process, &QProcess::finished, process,
                     [process, fail](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0)
                             fail();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, fail](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         fail();
                         process->deleteLater();
                     });
    process->start();
}
