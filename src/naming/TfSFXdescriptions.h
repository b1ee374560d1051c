#pragma once

#include "ui/TNoBorderSizeForm.h"

#include <QStringList>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TDarkButton;
class TDialogTitleBar;

// The description editor "Edit track names": the descriptions of all sounds as the lines of
// one text, and text tools that act on every line at once. One editor lives for the whole run;
// it keeps its "Add text", "Replace" and "With" texts between openings, its text is refilled
// at each one.
class TfSFXdescriptions : public TNoBorderSizeForm {
    Q_OBJECT
public:
    explicit TfSFXdescriptions(QWidget* parent = nullptr);

    // Shows `lines` and runs the editor modally. On "Ok" every line is cleaned for use as a
    // file name, `lines` takes them and true is returned; "Cancel" leaves `lines` as it was.
    bool Edit(QStringList& lines);

    void SetLines(const QStringList& lines);
    QStringList Lines() const;

    TDialogTitleBar* TitleBar = nullptr;
    QPlainTextEdit* names = nullptr;
    QLabel* lblTrack = nullptr;
    TDarkButton* btnRemoveIndex = nullptr;
    TDarkButton* btnGoodNames = nullptr;
    TDarkButton* btnTrimStart = nullptr;
    TDarkButton* btnTrimEnd = nullptr;
    TDarkButton* btnFixDuplicates = nullptr;
    TDarkButton* btnRemoveCapitals = nullptr;
    QLineEdit* editAdd = nullptr;
    TDarkButton* btnPrepend = nullptr;
    TDarkButton* btnAppend = nullptr;
    QLineEdit* editReplace = nullptr;
    QLineEdit* editWith = nullptr;
    TDarkButton* btnReplace = nullptr;
    TDarkButton* btnOk = nullptr;
    TDarkButton* btnCancel = nullptr;
    QAction* acSelectAll = nullptr;

private:
    QWidget* BuildTools();
    TDarkButton* ToolButton(const QString& caption, const QString& name,
                            const std::function<void(QStringList&)>& tool);
    // Runs `tool` on the lines as one edit of the text, so the user can undo it.
    void ApplyTool(const std::function<void(QStringList&)>& tool);
    void ShowTrackNumber();
    void btnOkClick();
};
