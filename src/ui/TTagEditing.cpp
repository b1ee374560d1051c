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

TTagEditing::TWritten TTagEditing::RunOn(const QList<TSoundRef>& sounds) {
    TfTag editor(form_.ProgramFolder(), &form_);
    for (const TSoundRef& sound : sounds)
        editor.Sounds.Add(sound);
    editor.LoadFromSounds();
    ApplyGeometry(editor);
    const TModalScope open; // no new disc or folder while it edits these sounds
    const bool ok = RunEditor(editor);
    KeepGeometry(editor);
    TWritten written{};
    for (int i = 0; ok && i < TagFieldCount; ++i)
        written[size_t(i)] = editor.Writes(TTagField(i));
    return written;
}

void TTagEditing::EditAllTags() {
    const QList<TSoundRef> sounds(form_.Sounds().Refs().begin(), form_.Sounds().Refs().end());
    const TWritten written = RunOn(sounds);
    if (!sounds.isEmpty())
        CopyBackIntoPanels(*sounds.first(), true, written);
    form_.SoundList()->InvalidateAll();
}

void TTagEditing::EditSelectedTags() {
    const QList<TSoundRef> sounds = form_.SoundList()->SelectedSounds();
    const TWritten written = RunOn(sounds);
    // Only an edit of every sound speaks for the whole folder or disc.
    if (!sounds.isEmpty() && sounds.size() == form_.Sounds().Count())
        CopyBackIntoPanels(*sounds.first(), false, written);
    form_.SoundList()->InvalidateAll();
}

void TTagEditing::CopyBackIntoPanels(const tsound& first, bool allTags, const TWritten& written) {
    // A copy: every field set below may set off its panel, which changes the sounds.
    const TmyID3tag id3 = first.ID3;
    const auto copy = [&written](TTagField field, QLineEdit* edit, const QString& value) {
        if (written[size_t(field)])
            edit->setText(value);
    };
    TfrCdimport* import = form_.frCdimport();
    if (import->PageControl->currentIndex() == 1) {
        copy(TTagField::Artist, import->editArtist, id3.Artist);
        copy(TTagField::Album, import->editAlbum, id3.Album);
        copy(TTagField::Year, import->editYear, id3.Year);
        copy(TTagField::Disc, import->editDisc, id3.Disc);
    } else {
        copy(TTagField::Artist, import->editSeries, id3.Artist);
        copy(TTagField::Album, import->editCD, id3.Album);
        if (allTags)
            copy(TTagField::Publisher, import->editPublisher, id3.Publisher);
    }
    if (form_.ImportMode())
        return;
    // Each changed field applies itself to the sounds, as typing in it does.
    TfrRename* rename = form_.frRename();
    copy(TTagField::Artist, rename->editSeries, id3.Artist);
    copy(TTagField::Album, rename->editCD, id3.Album);
    if (allTags)
        copy(TTagField::Publisher, rename->editPublisher, id3.Publisher);
}
