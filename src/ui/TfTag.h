#pragma once

#include "app/TSoundList.h"
#include "tags/TTagPresets.h"
#include "ui/TNoBorderSizeForm.h"
#include "ui/TTagEditorState.h"

#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class TDarkButton;
class TDialogTitleBar;
class TQorHeadColPanel;

// The tag editor "Tag": the ID3 fields, the iXML template and the Broadcast-WAV templates of
// one or several sounds, edited in memory; the files are written later by the batch or the
// import. With several sounds only the fields the user changes go to all of them; the fields
// that differ per sound stay locked until the user confirms that one value goes to all. The
// template fields offer placeholders, iXML elements and the tag presets in their context menu.
class TfTag : public TNoBorderSizeForm {
    Q_OBJECT
public:
    TfTag(const QString& programFolder, QWidget* parent = nullptr);
    ~TfTag() override;

    // The sounds being edited; the opener adds them, then calls LoadFromSounds.
    TSoundList Sounds{TSoundList::RefersOnly};

    void LoadFromSounds();
    // "Apply": the fields go into the sounds and the editor closes with OK.
    void ApplyToSounds();

    // The field's editor, and whether it is locked.
    QWidget* Editor(TTagField field) const { return editors_[size_t(field)]; }
    QString FieldText(TTagField field) const;
    // Sets the field as the user would: it counts as changed.
    void SetFieldText(TTagField field, const QString& text);
    bool IsLocked(TTagField field) const { return state_.IsLocked(field); }
    // Whether "Apply" writes (or wrote) the field into the sounds.
    bool Writes(TTagField field) const { return state_.Writes(field, Sounds.Count()); }
    // A press on a locked field or its caption: asks, and unlocks on OK.
    void AskToUnlock(TTagField field);

    // The context menu of a template field (iXML, bwav description, Originator, Reference);
    // the caller owns it.
    QMenu* TemplateMenu(TTagField field);
    QStringList PresetMenuNames() const { return presetNames_; }

    // The one-line prompts ("New xml tag", "New preset"): title, label, default text;
    // no value when cancelled. Tests answer them.
    std::function<std::optional<QString>(const QString&, const QString&, const QString&)> AskText;

    TDialogTitleBar* TitleBar = nullptr;
    TQorHeadColPanel* pnlId3 = nullptr;
    TQorHeadColPanel* pnlIxml = nullptr;
    TQorHeadColPanel* pnlBwav = nullptr;
    QPlainTextEdit* ixmlmemo = nullptr;
    QPlainTextEdit* bwavMemo = nullptr;
    QLineEdit* editOrig = nullptr;
    QLineEdit* editRef = nullptr;
    QLabel* lblStats = nullptr;
    TDarkButton* btnApply = nullptr;
    TDarkButton* btnCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildId3Panel();
    QWidget* BuildIxmlPanel();
    QWidget* BuildBwavPanel();
    QLineEdit* AddLineField(TQorHeadColPanel* panel, QGridLayout* grid, TTagField field);
    void Register(TTagField field, QWidget* editor, QWidget* caption);
    void ShowState();
    // Every change of a field's text that does not come from ShowState is the user's.
    void FollowChanges(TTagField field, QWidget* editor);
    std::optional<TTagField> FieldAt(QWidget* panel, const QPoint& position) const;

    void InsertText(TTagField field, const QString& text);
    void AddIxmlTag(const QString& tag);
    void AddCustomIxmlTag();
    void AddPresetMenu(QMenu* menu);
    void SaveNewPreset();
    void LoadPreset(const QString& name);

    TTagPresets presets_;
    QStringList presetNames_;
    TTagEditorState state_;
    std::array<QWidget*, TagFieldCount> editors_{};
    std::map<QWidget*, TTagField> fieldOfWidget_; // editors and their captions
    std::vector<QWidget*> lockPanels_;           // the panels holding fields that can lock
    bool showing_ = false;                       // ShowState is filling the fields
};
