#include "ui/TTagEditing.h"

#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "cdimport/TfrCdimport.h"
#include "naming/TfrRename.h"
#include "ui/TCDripperList.h"
#include "ui/TfTag.h"

#include <QLineEdit>
#include <QTabWidget>

TTagEditing::TTagEditing(TfMainForm& form) : QObject(&form), form_(form) {
    RunEditor = [](TfTag& editor) { return editor.exec() == QDialog::Accepted; };
}

void TTagEditing::ApplyGeometry(TfTag& editor) const {
    if (form_.TagWidth > 0)
        editor.resize(form_.TagWidth, form_.TagHeight);
    if (form_.TagX > 0)
        editor.move(form_.TagX, form_.TagY);
}

void TTagEditing::KeepGeometry(const TfTag& editor) {
    form_.TagWidth = editor.width();
    form_.TagHeight = editor.height();
    form_.TagX = editor.x();
    form_.TagY = editor.y();
}

bool TTagEditing::RunOn(const QList<TSoundRef>& sounds) {
    TfTag editor(form_.ProgramFolder(), &form_);
    for (const TSoundRef& sound : sounds)
        editor.Sounds.Add(sound);
    editor.LoadFromSounds();
    ApplyGeometry(editor);
    const TModalScope open; // no new disc or folder while it edits these sounds
    const bool ok = RunEditor(editor);
    KeepGeometry(editor);
    return ok;
}

void TTagEditing::EditAllTags() {
    const QList<TSoundRef> sounds(form_.Sounds().Refs().begin(), form_.Sounds().Refs().end());
    if (RunOn(sounds) && !sounds.isEmpty())
        CopyBackIntoPanels(*sounds.first(), true);
    form_.SoundList()->InvalidateAll();
}

void TTagEditing::EditSelectedTags() {
    const QList<TSoundRef> sounds = form_.SoundList()->SelectedSounds();
    // Only an edit of every sound speaks for the whole folder or disc.
    if (RunOn(sounds) && !sounds.isEmpty() && sounds.size() == form_.Sounds().Count())
        CopyBackIntoPanels(*sounds.first(), false);
    form_.SoundList()->InvalidateAll();
}

void TTagEditing::CopyBackIntoPanels(const tsound& first, bool allTags) {
    // A copy: every field set below may set off its panel, which changes the sounds.
    const TmyID3tag id3 = first.ID3;
    TfrCdimport* import = form_.frCdimport();
    if (import->PageControl->currentIndex() == 1) {
        import->editArtist->setText(id3.Artist);
        import->editAlbum->setText(id3.Album);
        import->editYear->setText(id3.Year);
        import->editDisc->setText(id3.Disc);
    } else {
        import->editSeries->setText(id3.Artist);
        import->editCD->setText(id3.Album);
        if (allTags)
            import->editPublisher->setText(id3.Publisher);
    }
    if (form_.ImportMode())
        return;
    // Each changed field applies itself to the sounds, as typing in it does.
    TfrRename* rename = form_.frRename();
    rename->editSeries->setText(id3.Artist);
    rename->editCD->setText(id3.Album);
    if (allTags)
        rename->editPublisher->setText(id3.Publisher);
}
