#pragma once

#include "app/TSoundRef.h"

#include <QObject>

#include <functional>

class TfMainForm;
class TfTag;
class tsound;

// Opens the tag editor for the main window: "Edit all tags" with every sound, "Edit tag of
// selected sounds" with the selected rows. The window's remembered size and place
// (TagWidth..TagY) are applied and taken back; after OK the first sound's series, CD (and
// for all sounds the publisher) go back into the panels.
class TTagEditing : public QObject {
    Q_OBJECT
public:
    explicit TTagEditing(TfMainForm& form);

    void EditAllTags();
    void EditSelectedTags();

    // How the editor is run; tests replace it. Returns true for OK.
    std::function<bool(TfTag&)> RunEditor;

private:
    // True on OK.
    bool RunOn(const QList<TSoundRef>& sounds);
    void ApplyGeometry(TfTag& editor) const;
    void KeepGeometry(const TfTag& editor);
    void CopyBackIntoPanels(const tsound& first, bool allTags);

    TfMainForm& form_;
};
