// The main window's hand-over to Sonaphor, and the options panel's companion folder and
// shortcut editor.
#include "app/ConnectShowingErrors.h"
#include "app/IUserMessages.h"
#include "app/TActionTable.h"
#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "link/TSonaphorLink.h"
#include "ui/TCDripperList.h"
#include "ui/TFolderBrowse.h"
#include "ui/TfShortcutManager.h"
#include "ui/TfrOptions.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

void TfMainForm::CreateCompanionLink() {
    sonaphorLink_ = new TSonaphorLink(this);
    RunShortcutEditor = [](TfShortcutManager& editor) { editor.exec(); };
    sonaphorLink_->Link().OnFinished = [](const TResult& result) {
        if (!result)
            UserMessages().ShowMessage(result.ErrorText());
    };
    ConnectShowingErrors(Action("acSendToSdx"), &QAction::triggered, this, &TfMainForm::acSendToSdxExecute);
    ConnectShowingErrors(frOptions_->btnFindSDX, &QPushButton::clicked, this, &TfMainForm::btnFindSDXClick);
    ConnectShowingErrors(frOptions_->btnEditShortCuts, &QPushButton::clicked, this,
                         &TfMainForm::btnEditShortCutsClick);
}

void TfMainForm::acSendToSdxExecute() {
    // In the import mode these are the computed output paths, whether the files exist yet or not.
    QStringList paths;
    for (const TSoundRef& sound : soundList_->MarkedSounds())
        paths.append(sound->path);
    sonaphorLink_->Link().SendToCompanion(paths, TCompanionLink::Executable(frOptions_->lblSDXdir->text()));
}

void TfMainForm::btnFindSDXClick() {
    const QString current = frOptions_->lblSDXdir->text();
    const QString chosen = TFolderBrowse::Pick(this, QFileInfo(current).isDir() ? current : QString());
    if (!chosen.isEmpty()) {
        frOptions_->lblSDXdir->setText(chosen);
        sdxLocation = chosen;
    }
    const QString executable = TCompanionLink::Executable(frOptions_->lblSDXdir->text());
    if (!executable.isEmpty() && QFileInfo(executable).isFile())
        frOptions_->lblLocSDX->setText("Location of Sonaphor (ok)");
}

void TfMainForm::btnEditShortCutsClick() {
    TfShortcutManager editor(this);
    QList<TfShortcutManager::TEntry> entries;
    for (const TActionInfo& info : ActionTable())
        entries.append({Action(info.Name), QString::fromLatin1(info.Category)});
    editor.SetActions(entries);
    editor.move(QPoint(100, 100) + frOptions_->pos());
    RunShortcutEditor(editor);
}
