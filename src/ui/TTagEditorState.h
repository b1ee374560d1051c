#pragma once

#include "tags/TTagPresetFields.h"

#include <QString>

#include <array>

class TSoundList;

// The fields of the tag editor, in the order the editor shows them.
enum class TTagField {
    Artist,
    Band,
    Album,
    Title,
    Composer,
    Publisher,
    Genre,
    Date,
    Year,
    Disc,
    Track,
    Comment,
    Ixml,
    BwavDescription,
    Originator,
    Reference,
};
constexpr int TagFieldCount = int(TTagField::Reference) + 1;

// What the tag editor edits, apart from its window: the field texts, which fields are locked,
// how they are filled from the sounds and written back. With several sounds the fields show the
// first sound's values; only the fields the user changed go to every sound, the others keep
// each sound's own value. The fields that must differ per sound are locked and reach the
// sounds only once the user unlocked and changed them.
class TTagEditorState {
public:
    TTagEditorState();

    // The caption of a field on the editor.
    static QString Caption(TTagField field);
    // True for the fields that are locked while several sounds are edited.
    static bool LockedWithSeveral(TTagField field);

    // Fills the fields from the first sound and locks as the number of sounds demands; no
    // field counts as changed afterwards.
    void LoadFromSounds(const TSoundList& sounds);
    // Writes the fields into every sound: with one sound every field, with several only the
    // unlocked fields the user changed.
    void ApplyToSounds(const TSoundList& sounds) const;
    // Whether "Apply" writes `field` into `soundCount` sounds.
    bool Writes(TTagField field, int soundCount) const;

    const QString& Text(TTagField field) const { return texts_[Index(field)]; }
    // The user's text for the field (typed, inserted, or from a preset): the field is changed.
    void SetText(TTagField field, const QString& text);
    bool IsChanged(TTagField field) const { return changed_[Index(field)]; }
    bool IsLocked(TTagField field) const { return locked_[Index(field)]; }
    void Unlock(TTagField field) { locked_[Index(field)] = false; }

    int SoundCount() const { return soundCount_; }
    // "No sounds selected" before any loading, then N + " sounds selected".
    const QString& StatisticsText() const { return statistics_; }
    // The confirmation asked before a locked field is unlocked.
    QString UnlockQuestion() const;

    // The four template fields as a tag preset holds them, and back.
    TTagPresetFields PresetFields() const;
    void SetPresetFields(const TTagPresetFields& fields);

private:
    static size_t Index(TTagField field) { return size_t(field); }

    std::array<QString, TagFieldCount> texts_;
    std::array<bool, TagFieldCount> locked_{};
    std::array<bool, TagFieldCount> changed_{};
    int soundCount_ = 0;
    QString statistics_ = QStringLiteral("No sounds selected");
};
