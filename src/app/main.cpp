#include "app/TMessageBoxes.h"
#include "app/TProgramFolder.h"
#include "app/TTrackmothApplication.h"
#include "app/TfMainForm.h"
#include "ui/DarkLook.h"

int main(int argc, char** argv) {
    TTrackmothApplication app(argc, argv);
    ApplyDarkLook(app);
    TMessageBoxes messageBoxes;
    SetUserMessages(&messageBoxes);

    TfMainForm mainForm(TProgramFolder::Resolve(), nullptr);
    mainForm.StartUp();
    mainForm.show();
    mainForm.StartCdDriveTimer();
    return app.exec();
}
