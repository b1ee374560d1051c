#pragma once

#include "app/THistoryList.h"
#include "naming/TPanelValues.h"

#include <QWidget>

#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TLongAutoCompleteListBox;
class TSuggestionFields;
class TRenameBatch;

// The panel "Batch process files:" of the rename/tag mode: the metadata for the whole folder,
// the renaming and the tags to write, and the two batch buttons.
class TfrRename : public QWidget {
    Q_OBJECT
public:
    // `actions` gives the main window's action of a name; `currentFolder` reads the folder
    // picked in the folder tree.
    TfrRename(const std::function<QAction*(const char*)>& actions,
              std::function<QString()> currentFolder, QWidget* parent = nullptr);

    QToolButton* btnDescriptions = nullptr;
    QPushButton* btnVOVezAZ = nullptr;
    QToolButton* btnEditTags = nullptr;
    QLineEdit* editSeries = nullptr;
    QLineEdit* editCD = nullptr;
    QLineEdit* editPublisher = nullptr;
    QLabel* lblDB = nullptr;
    QToolButton* btnFilenames = nullptr;
    QLabel* lblFilenameDemo = nullptr;
    QCheckBox* chkDoRename = nullptr;
    QCheckBox* chkSFXbwav = nullptr;
    QCheckBox* chkSfxId3 = nullptr;
    QCheckBox* chksfxIXML = nullptr;
    QToolButton* btnProcAll = nullptr;
    QToolButton* btnProcSel = nullptr;

    // Suggestions for series, CD and publisher; starts as a copy of the import panel's SFX
    // history and is never saved.
    THistoryList SFXHistory;
    // Shows SFXHistory's suggestions under the series, CD or publisher field being typed in.
    TLongAutoCompleteListBox* AutoSFX = nullptr;

    QString CurrentFolder() const { return currentFolder_(); }

    // What the panel holds for a batch.
    TPanelValues PanelValues() const;
    // The batch reads the panel from now on; a change of series, CD or publisher applies the
    // panel to every sound, and "Rename files" builds the names anew.
    void ConnectBatch(TRenameBatch& batch);

private:
    std::function<QString()> currentFolder_;
    TSuggestionFields* suggestionFields_ = nullptr;
};
