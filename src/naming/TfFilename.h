#pragma once

#include "naming/TFileNameOptions.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TNameShape;
class TTileArea;

// The mask dialog: the user drags tiles from the pool into the build row to arrange a
// filename mask, sets the separator and custom text and, for the import, the automatic folders.
// It edits a copy of one set of naming options; OK hands the copy back.
class TfFilename : public QDialog {
    Q_OBJECT
public:
    explicit TfFilename(QWidget* parent = nullptr);

    // Opens the dialog on `options` (modal). On OK `options` takes the edited copy and true is
    // returned; Cancel leaves it unchanged. The folder check boxes show only when
    // `withFolderOptions` (the import's naming).
    static bool Edit(QWidget* owner, TFileNameOptions& options, bool withFolderOptions);

    // Puts the options into the dialog and arranges the tiles from its mask.
    void SetOptions(const TFileNameOptions& options);
    const TFileNameOptions& Options() const { return options_; }
    void SetFolderOptionsVisible(bool visible);

    TTileArea* Pool() const { return pool_; }
    TTileArea* BuildRow() const { return buildRow_; }
    TNameShape* Tile(const QString& token) const;

    QLabel* lblArrange = nullptr;
    QLabel* lblExampleCaption = nullptr;
    QLabel* lblExample = nullptr;
    QLineEdit* editSep = nullptr;
    QLineEdit* EditCust = nullptr;
    QCheckBox* chkCreateFolders = nullptr;
    QCheckBox* chkPub = nullptr;
    QLabel* lblFolderHint = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void AcceptDropsOn(QWidget* target);
    bool HandleDrop(QObject* target, TNameShape* tile);
    void MaskChanged();
    void RefreshExample();
    void btnOKClick();

    TFileNameOptions options_;
    TTileArea* pool_ = nullptr;
    TTileArea* buildRow_ = nullptr;
    QList<TNameShape*> tiles_;
};
