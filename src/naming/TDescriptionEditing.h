#pragma once

#include <QObject>

class TfEditDescription;
class TfMainForm;
class TfSFXdescriptions;

// Edits descriptions for the main window: all of them in the description editor ("Edit all
// descriptions", "Edit Track Names"), or the first selected sound's in a small dialog ("Edit
// description" of the list's context menu). Afterwards titles, names and rows follow.
class TDescriptionEditing : public QObject {
    Q_OBJECT
public:
    explicit TDescriptionEditing(TfMainForm& form);

    void EditAllDescriptions();
    void EditDescription();

    // The editor, alive for the whole run.
    TfSFXdescriptions* Editor() const { return editor_; }

private:
    // The names of the mode in use, then the rows.
    void RebuildNames();
    bool SfxTabActive() const;

    TfMainForm& form_;
    TfSFXdescriptions* editor_;
};
