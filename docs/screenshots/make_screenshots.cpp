// Draws the README's pictures of the rename/tag mode on the offscreen platform: the main window
// with a folder of sound files, its panel filled in and some rows marked, and the tag editor on
// three of its sounds. Usage: make_screenshots <output folder>
#include "app/TfMainForm.h"
#include "naming/TfrRename.h"
#include "ui/DarkLook.h"
#include "ui/TCDripperList.h"
#include "ui/TfTag.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>

namespace {
const char* const soundNames[] = {
    "Birds chirping in the morning.wav", "Car pass by fast.wav",  "Door slam heavy wooden.wav",
    "Footsteps on gravel.wav",           "Rain on a tin roof.wav", "Thunder far away.wav",
    "Wind through pine trees.wav",       "Owl at night.mp3",
};

bool Save(QWidget& widget, const QString& file) {
    if (widget.grab().save(file))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

void PickFolder(TfMainForm& form, const QTemporaryDir& program, const QString& folder) {
    QFile pick(program.filePath("pick.xml"));
    if (pick.open(QIODevice::WriteOnly))
        pick.write("<Trackmothsettings><Renamer><LastFolder>" + folder.toUtf8() +
                   "</LastFolder></Renamer></Trackmothsettings>");
    pick.close();
    form.LoadSettings(pick.fileName());
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyDarkLook(app);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(output);

    QTemporaryDir program;
    QTemporaryDir library(QDir::tempPath() + "/Sound library-XXXXXX");
    const QString folder = library.filePath("Birds 2");
    QDir().mkpath(folder);
    for (const char* name : soundNames)
        QFile(QDir(folder).filePath(name)).open(QIODevice::WriteOnly);
    TfMainForm form(program.path(), nullptr);
    form.StartUp();
    form.RenameNaming.Mask = "%Trc; - %Ser; - %FDes;";
    form.RenameNaming.Demo = "\\\\01 - SFX Series - Full Description.wav";
    form.ShowRenameMode();
    PickFolder(form, program, folder);
    TfrRename* panel = form.frRename();
    panel->lblFilenameDemo->setText(form.RenameNaming.Demo);
    panel->editSeries->setText("Nature");
    panel->editCD->setText("Birds 2");
    panel->editPublisher->setText("Acme");
    for (QCheckBox* box : {panel->chkSFXbwav, panel->chkSfxId3, panel->chksfxIXML})
        box->setChecked(true);
    form.resize(1280, 687);
    form.show();
    TCDripperList* list = form.SoundList();
    for (int row : {0, 2, 3, 4, 6})
        list->SetChecked(row, true);
    list->AddToSelection(2);
    app.processEvents();
    bool saved = Save(form, QDir(output).filePath("rename-tag-mode.png"));

    TfTag editor(program.path(), &form);
    for (int row : {0, 2, 4})
        editor.Sounds.Add(list->Sound(row));
    editor.LoadFromSounds();
    editor.resize(460, 720);
    editor.show();
    app.processEvents();
    saved = Save(editor, QDir(output).filePath("tag-editor.png")) && saved;
    return saved ? 0 : 1;
}
