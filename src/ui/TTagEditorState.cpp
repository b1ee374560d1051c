#include "ui/TTagEditorState.h"

#include "app/TSoundList.h"
#include "app/tsound.h"
#include "tags/TagTemplates.h"

namespace {
using F = TTagField;
} // namespace

TTagEditorState::TTagEditorState() = default;

QString TTagEditorState::Caption(TTagField field) {
    switch (field) {
    case F::Artist: return QStringLiteral("Artist (TPE1)");
    case F::Band: return QStringLiteral("Band (TPE2)");
    case F::Album: return QStringLiteral("Album (TALB)");
    case F::Title: return QStringLiteral("Title (TIT2)");
    case F::Composer: return QStringLiteral("Composer (TCOM)");
    case F::Publisher: return QStringLiteral("Publisher / Label / Producer (TPUB )");
    case F::Genre: return QStringLiteral("Genre (TCON)");
    case F::Date: return QStringLiteral("Date (TDAT)");
    case F::Year: return QStringLiteral("Year");
    case F::Disc: return QStringLiteral("Disc number");
    case F::Track: return QStringLiteral("Track number");
    case F::Comment: return QStringLiteral("Comment (COMM)");
    case F::Ixml: return QStringLiteral("ixml -tag");
    case F::BwavDescription: return QStringLiteral("bwav - description");
    case F::Originator: return QStringLiteral("Originator");
    case F::Reference: return QStringLiteral("Reference");
    }
    return QString();
}

bool TTagEditorState::LockedWithSeveral(TTagField field) {
    switch (field) {
    case F::Title:
    case F::Track:
    case F::Ixml:
    case F::BwavDescription:
    case F::Originator:
    case F::Reference:
        return true;
    default:
        return false;
    }
}

void TTagEditorState::SetText(TTagField field, const QString& text) {
    texts_[Index(field)] = text;
    changed_[Index(field)] = true;
}

void TTagEditorState::LoadFromSounds(const TSoundList& sounds) {
    soundCount_ = sounds.Count();
    statistics_ = QStringLiteral("%1 sounds selected").arg(soundCount_);
    locked_.fill(false);
    changed_.fill(false);
    // What is shown from the sounds is no change of the user's.
    const auto show = [this](TTagField field, const QString& text) { texts_[Index(field)] = text; };
    if (soundCount_ > 1) {
        show(F::Title, QStringLiteral("<Title>"));
        show(F::Track, QStringLiteral("<Nr>"));
        for (int i = 0; i < TagFieldCount; ++i)
            locked_[size_t(i)] = LockedWithSeveral(TTagField(i));
    }
    if (soundCount_ == 0)
        return;
    const tsound& first = *sounds.Items(0);
    const TmyID3tag& id3 = first.ID3;
    for (auto [field, value] : {std::pair{F::Artist, &id3.Artist}, {F::Album, &id3.Album},
                                {F::Band, &id3.Band}, {F::Composer, &id3.Composer},
                                {F::Genre, &id3.Genre}, {F::Year, &id3.Year}, {F::Date, &id3.Date},
                                {F::Comment, &id3.Comment}, {F::Publisher, &id3.Publisher},
                                {F::Disc, &id3.Disc}})
        show(field, *value);
    if (soundCount_ < 2) {
        show(F::Track, id3.Track);
        show(F::Title, id3.Title);
    }
    show(F::BwavDescription, first.bwav);
    show(F::Originator, first.bWav2);
    show(F::Reference, first.bWav3);
    show(F::Ixml, first.XMLdata.isEmpty() ? EditorDefaultIxml() : first.XMLdata);
}

bool TTagEditorState::Writes(TTagField field, int soundCount) const {
    return !IsLocked(field) && (soundCount < 2 || IsChanged(field));
}

void TTagEditorState::ApplyToSounds(const TSoundList& sounds) const {
    const auto put = [&](TTagField field, QString& value) {
        if (Writes(field, sounds.Count()))
            value = Text(field);
    };
    for (tsound* sound : sounds) {
        TmyID3tag& id3 = sound->ID3;
        put(F::Title, id3.Title);
        put(F::Artist, id3.Artist);
        put(F::Band, id3.Band);
        put(F::Album, id3.Album);
        put(F::Composer, id3.Composer);
        put(F::Genre, id3.Genre);
        put(F::Track, id3.Track);
        put(F::Year, id3.Year);
        put(F::Date, id3.Date);
        put(F::Comment, id3.Comment);
        put(F::Disc, id3.Disc);
        id3.HasTag = id3.ComputeHasTag();
        put(F::Publisher, id3.Publisher);
        put(F::Ixml, sound->XMLdata);
        put(F::BwavDescription, sound->bwav);
        put(F::Originator, sound->bWav2);
        put(F::Reference, sound->bWav3);
    }
}

QString TTagEditorState::UnlockQuestion() const {
    return QStringLiteral("You are editing %1 sounds.\n"
                          "Editing this paremeter will write the same value to all sounds\n"
                          "Do you want to continue?")
        .arg(soundCount_);
}

TTagPresetFields TTagEditorState::PresetFields() const {
    return {Text(F::BwavDescription), Text(F::Originator), Text(F::Reference), Text(F::Ixml)};
}

void TTagEditorState::SetPresetFields(const TTagPresetFields& fields) {
    SetText(F::BwavDescription, fields.Description);
    SetText(F::Originator, fields.Originator);
    SetText(F::Reference, fields.Reference);
    SetText(F::Ixml, fields.Ixml);
}
