#pragma once

#include "app/TSoundRef.h"
#include "ui/TTagEditorState.h"

#include <QObject>

#include <array>
#include <functional>

class TfMainForm;
class TfTag;
class tsound;

// Opens the tag editor for the main window: "Edit all tags" with every sound, "Edit tag of
// selected sounds" with the selected rows. The window's remembered size and place
// (TagWidth..TagY) are applied and taken back; after OK the first sound's series, CD (and
// for all sounds the publisher) go back into the panels, those of them the editor wrote into
// the sounds: a panel field sets its value in every sound, so a value the user left alone must
// not reach the panels from the first sound.
class TTagEditing : public QObject {
    Q_OBJECT
public:
    explicit TTagEditing(TfMainForm& form);

    void EditAllTags();
    void EditSelectedTags();

    // How the editor is run; tests replace it. Returns true for OK.
    std::function<bool(TfTag&)> RunEditor;

private:
    // The fields written into the sounds: none on Cancel.
    using TWritten = std::array<bool, TagFieldCount>;

    TWritten RunOn(const QList<TSoundRef>& sounds);
    void ApplyGeometry(TfTag& editor) const;
    void KeepGeometry(const TfTag& editor);
    void CopyBackIntoPanels(const tsound& first, bool allTags, const TWritten& written);

    TfMainForm& form_;
};
