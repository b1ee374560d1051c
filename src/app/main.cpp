#include "app/IUserMessages.h"
#include "app/TCommandLine.h"
#include "app/TMessageBoxes.h"
#include "app/TProgramFolder.h"
#include "app/TSingleInstance.h"
#include "app/TTrackmothApplication.h"
#include "app/TfMainForm.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TLibcdioDrives.h"
#include "cdimport/TQtAudioOutput.h"
#include "services/THelpMenu.h"
#include "ui/DarkLook.h"

#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {
void BringToFront(QWidget& window) {
    window.show();
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

void PrintFolders(const QString& programFolder, const QStringList& discFolders) {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    std::printf("Program folder: %s\nManual: %s\nDisc folders: %s\n", qPrintable(programFolder),
                qPrintable(TProgramFolder::ShippedFile(executableFolder, THelpMenu::ManualFileName)),
                qPrintable(discFolders.join(", ")));
    std::fflush(stdout);
}
// The files and folders the desktop (or the user) gave us, made absolute for a running copy.
QStringList AbsolutePaths(const QStringList& given) {
    QStringList paths;
    for (const QString& path : given)
        paths.append(QFileInfo(path).absoluteFilePath());
    return paths;
}
} // namespace

int main(int argc, char** argv) {
    // Read before the application object: `--help` needs no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const TCommandLine commandLine = TCommandLine::Parse(arguments);
    if (commandLine.Action != TCommandLine::EAction::Run) {
        std::FILE* out = commandLine.Action == TCommandLine::EAction::UsageError ? stderr : stdout;
        std::fputs(commandLine.Text.toLocal8Bit().constData(), out);
        return commandLine.ExitStatus;
    }
    TTrackmothApplication app(argc, argv);
    // What Qt left: an option of one dash it did not know is ours to refuse.
    const TCommandLine ours = TCommandLine::Parse(app.arguments(), true);
    if (ours.Action == TCommandLine::EAction::UsageError) {
        std::fputs(ours.Text.toLocal8Bit().constData(), stderr);
        return ours.ExitStatus;
    }
    // A second copy would keep the same settings files: the running one comes to the front.
    TSingleInstance instance(TSingleInstance::UserName());
    const QStringList paths = AbsolutePaths(ours.Paths);
    if (instance.Claim(paths) == TSingleInstance::EClaim::OtherRunning)
        return 0;
    ApplyDarkLook(app);
    TMessageBoxes messageBoxes;
    SetUserMessages(&messageBoxes);

    const QString programFolder = TProgramFolder::Resolve();
    const QStringList discFolders =
        TProgramFolder::DiscFolders(programFolder, QCoreApplication::applicationDirPath());
    // The drives, then the disc images of "discs". Declared first so that it outlives the window.
    TCDcontrol cdControl(std::make_unique<TLibcdioDrives>(discFolders),
                         std::make_unique<TQtAudioOutput>());
    TfMainForm mainForm(programFolder, &cdControl);
    mainForm.StartUp();
    mainForm.show();
    QObject::connect(&instance, &TSingleInstance::ActivationRequested, &mainForm,
                     [&mainForm](const QStringList& given) {
                         BringToFront(mainForm);
                         mainForm.OpenPaths(given);
                     });
    mainForm.OpenPaths(paths);
    const bool quitAfterStart = ours.QuitAfterStart;
    // Only the previews need a sound output: say so once and go on. The box waits for the event
    // loop, so that the drive timer already runs and a disc shows up behind it.
    if (const TResult output = cdControl.OutputResult(); !output && !quitAfterStart)
        QTimer::singleShot(0, &mainForm, [text = output.ErrorText()] {
            UserMessages().ShowMessage(text);
        });
    mainForm.StartCdDriveTimer();
    if (quitAfterStart) {
        PrintFolders(programFolder, discFolders);
        QTimer::singleShot(0, &mainForm, &QWidget::close);
    }
    return app.exec();
}
