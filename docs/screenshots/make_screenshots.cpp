// Draws the README's pictures on the offscreen platform: the main window in the rename/tag mode
// with a folder of sound files, its panel filled in and some rows marked; the tag editor on
// three of its sounds; and a CD import of a disc image in progress.
// Usage: make_screenshots <output folder>
#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TCdImportController.h"
#include "cdimport/TLibcdioDrives.h"
#include "cdimport/TQtAudioOutput.h"
#include "cdimport/TfrCdimport.h"
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
#include <QThread>

#include <cmath>

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
    while (form.ListingFolder()) // the folder is read on a worker
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}
// A disc image of sine tones, 20 seconds a track, with CD-Text titles in its cue sheet.
void WriteDiscImage(const QString& folder) {
    QDir().mkpath(folder);
    const char* titles[] = {"Thunder, distant roll", "Rain on leaves", "Wind gusts, cold",
                            "Hail on a car roof"};
    QByteArray cue = "PERFORMER \"Moth Audio\"\nTITLE \"Weather 1\"\nFILE \"Weather.bin\" BINARY\n";
    QFile bin(QDir(folder).filePath("Weather.bin"));
    if (!bin.open(QIODevice::WriteOnly))
        return;
    const int sectors = 20 * 75;
    for (int track = 0; track < 4; ++track) {
        const int minutes = track * sectors / 75 / 60;
        const int seconds = track * sectors / 75 % 60;
        cue += QString("  TRACK %1 AUDIO\n    TITLE \"%2\"\n    INDEX 01 %3:%4:00\n")
                   .arg(track + 1, 2, 10, QChar('0'))
                   .arg(titles[track])
                   .arg(minutes, 2, 10, QChar('0'))
                   .arg(seconds, 2, 10, QChar('0'))
                   .toUtf8();
        QByteArray audio(sectors * 2352, Qt::Uninitialized);
        for (int frame = 0; frame < sectors * 588; ++frame) {
            const auto value = qint16(8000 * std::sin(frame * (track + 2) * 0.01));
            for (int channel = 0; channel < 2; ++channel) {
                audio[4 * frame + 2 * channel] = char(value & 0xFF);
                audio[4 * frame + 2 * channel + 1] = char((value >> 8) & 0xFF);
            }
        }
        bin.write(audio);
    }
    QFile cueFile(QDir(folder).filePath("Weather.cue"));
    if (cueFile.open(QIODevice::WriteOnly))
        cueFile.write(cue);
}

// The import view while the second track of a disc image is ripped.
bool SaveImportInProgress(QApplication& app, const QString& output) {
    QTemporaryDir program;
    WriteDiscImage(program.filePath("discs"));
    TCDcontrol cd(std::make_unique<TLibcdioDrives>(program.filePath("discs"), false),
                  std::make_unique<TQtAudioOutput>());
    TfMainForm form(program.path(), &cd);
    form.StartUp();
    form.resize(1100, 687);
    form.show();
    form.StartCdDriveTimer();
    for (int wait = 0; wait < 300 && form.Sounds().Count() == 0; ++wait) {
        app.processEvents();
        QThread::msleep(10);
    }
    TfrCdimport* panel = form.frCdimport();
    panel->editSeries->setText("Weather");
    panel->editCD->setText("Weather 1");
    panel->editPublisher->setText("Moth Audio");
    emit panel->editSeries->textEdited("Weather");
    form.cdOutputRoot = program.filePath("out");
    QDir().mkpath(form.cdOutputRoot);
    form.Action("acRipDisc")->trigger();
    for (int wait = 0; wait < 200 && form.Sounds().Count() > 1 && form.Sounds().Items(1)->Status != ssRipping;
         ++wait) {
        app.processEvents();
        QThread::msleep(10);
    }
    for (int wait = 0; wait < 40; ++wait) {
        app.processEvents();
        QThread::msleep(10);
    }
    const bool saved = Save(form, QDir(output).filePath("cd-import.png"));
    form.close();
    return saved;
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
    form.RenameNaming.Demo = "/01 - SFX Series - Full Description.wav";
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
    editor.close();
    saved = SaveImportInProgress(app, output) && saved;
    return saved ? 0 : 1;
}
