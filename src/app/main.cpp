#include "app/IUserMessages.h"
#include "app/TMessageBoxes.h"
#include "app/TProgramFolder.h"
#include "app/TTrackmothApplication.h"
#include "app/TfMainForm.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TLibcdioDrives.h"
#include "cdimport/TQtAudioOutput.h"
#include "ui/DarkLook.h"

int main(int argc, char** argv) {
    TTrackmothApplication app(argc, argv);
    ApplyDarkLook(app);
    TMessageBoxes messageBoxes;
    SetUserMessages(&messageBoxes);

    const QString programFolder = TProgramFolder::Resolve();
    // The drives, then the disc images of "discs". Declared first so that it outlives the window.
    TCDcontrol cdControl(std::make_unique<TLibcdioDrives>(TProgramFolder::DiscFolders(
                             programFolder, QCoreApplication::applicationDirPath())),
                         std::make_unique<TQtAudioOutput>());
    TfMainForm mainForm(programFolder, &cdControl);
    mainForm.StartUp();
    mainForm.show();
    // Only the previews need a sound output: say so once and go on.
    if (const TResult output = cdControl.OutputResult(); !output)
        UserMessages().ShowMessage(output.ErrorText());
    mainForm.StartCdDriveTimer();
    return app.exec();
}
