#include "ui/TfTag.h"

#include "app/IUserMessages.h"
#include "ui/TDarkButton.h"
#include "ui/TDialogButtonRow.h"
#include "ui/TDialogTitleBar.h"
#include "ui/TQorHeadColPanel.h"
#include "ui/TagEditorInserts.h"

#include <QEvent>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace {
using F = TTagField;

std::optional<QString> AskWithInputDialog(QWidget* parent, const QString& title,
                                          const QString& label, const QString& text) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    return ok ? std::optional<QString>(answer) : std::nullopt;
}

QPlainTextEdit* Memo(QWidget* parent, const QString& name, int height) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setMinimumHeight(height);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    return memo;
}
} // namespace

TfTag::TfTag(const QString& programFolder, QWidget* parent)
    : TNoBorderSizeForm(parent), presets_(programFolder), presetNames_(presets_.PresetNames()) {
    setObjectName("TfTag");
    setWindowTitle("Tag");
    resize(460, 640);
    setMinimumSize(320, 240);
    AskText = [this](const QString& title, const QString& label, const QString& text) {
        return AskWithInputDialog(this, title, label, text);
    };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    TitleBar = new TDialogTitleBar("Tag", this);
    layout->addWidget(TitleBar);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("TagScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* panels = new QWidget(scroll);
    auto* panelLayout = new QVBoxLayout(panels);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(BuildId3Panel());
    panelLayout->addWidget(BuildIxmlPanel());
    panelLayout->addWidget(BuildBwavPanel());
    panelLayout->addStretch();
    scroll->setWidget(panels);
    layout->addWidget(scroll, 1);

    lblStats = new QLabel(state_.StatisticsText(), this);
    lblStats->setObjectName("lblStats");
    auto* bottom = new TDialogButtonRow(this, "Apply", "btnApply", lblStats);
    bottom->setContentsMargins(6, 4, 6, 4);
    btnApply = bottom->AcceptButton;
    btnCancel = bottom->CancelButton;
    layout->addLayout(bottom);
    connect(btnApply, &QAbstractButton::clicked, this, &TfTag::ApplyToSounds);
}

// The list refers to records the main list owns: it lets go of them and frees none.
TfTag::~TfTag() { Sounds.Clear(); }

QWidget* TfTag::BuildId3Panel() {
    pnlId3 = new TQorHeadColPanel("ID3 -tag", this);
    pnlId3->setObjectName("pnlId3");
    auto* grid = new QGridLayout(pnlId3);
    grid->setVerticalSpacing(2);
    for (F field : {F::Artist, F::Band, F::Album, F::Title, F::Composer, F::Publisher, F::Genre,
                    F::Date, F::Year, F::Disc, F::Track, F::Comment})
        AddLineField(pnlId3, grid, field);
    return pnlId3;
}

QWidget* TfTag::BuildIxmlPanel() {
    pnlIxml = new TQorHeadColPanel("ixml -tag", this);
    pnlIxml->setObjectName("pnlIxml");
    auto* layout = new QVBoxLayout(pnlIxml);
    ixmlmemo = Memo(pnlIxml, "ixmlmemo", 110);
    layout->addWidget(ixmlmemo);
    Register(F::Ixml, ixmlmemo, nullptr);
    return pnlIxml;
}

QWidget* TfTag::BuildBwavPanel() {
    pnlBwav = new TQorHeadColPanel("bwav -tag", this);
    pnlBwav->setObjectName("pnlBwav");
    auto* grid = new QGridLayout(pnlBwav);
    auto* caption = new QLabel(TTagEditorState::Caption(F::BwavDescription), pnlBwav);
    grid->addWidget(caption, 0, 0, 1, 2);
    bwavMemo = Memo(pnlBwav, "bwavMemo", 60);
    grid->addWidget(bwavMemo, 1, 0, 1, 2);
    Register(F::BwavDescription, bwavMemo, caption);
    editOrig = AddLineField(pnlBwav, grid, F::Originator);
    editOrig->setObjectName("editOrig");
    editRef = AddLineField(pnlBwav, grid, F::Reference);
    editRef->setObjectName("editRef");
    return pnlBwav;
}

QLineEdit* TfTag::AddLineField(TQorHeadColPanel* panel, QGridLayout* grid, TTagField field) {
    const int row = grid->rowCount();
    auto* caption = new QLabel(TTagEditorState::Caption(field), panel);
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QStringLiteral("edit%1").arg(int(field)));
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    Register(field, edit, caption);
    return edit;
}

void TfTag::Register(TTagField field, QWidget* editor, QWidget* caption) {
    editors_[size_t(field)] = editor;
    FollowChanges(field, editor);
    fieldOfWidget_[editor] = field;
    if (caption)
        fieldOfWidget_[caption] = field;
    if (!TTagEditorState::LockedWithSeveral(field))
        return;
    // Presses on a locked (disabled) field reach its panel, which asks to unlock it.
    QWidget* panel = editor->parentWidget();
    if (std::find(lockPanels_.begin(), lockPanels_.end(), panel) == lockPanels_.end()) {
        panel->installEventFilter(this);
        lockPanels_.push_back(panel);
    }
    if (field == F::Ixml || field == F::BwavDescription || field == F::Originator ||
        field == F::Reference) {
        editor->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(editor, &QWidget::customContextMenuRequested, this, [this, editor, field](QPoint at) {
            QMenu* menu = TemplateMenu(field);
            menu->exec(editor->mapToGlobal(at));
            delete menu;
        });
    }
}

void TfTag::FollowChanges(TTagField field, QWidget* editor) {
    const auto changed = [this, field] {
        if (!showing_)
            state_.SetText(field, FieldText(field));
    };
    if (auto* memo = qobject_cast<QPlainTextEdit*>(editor))
        connect(memo, &QPlainTextEdit::textChanged, this, changed);
    else
        connect(static_cast<QLineEdit*>(editor), &QLineEdit::textChanged, this, changed);
}

QString TfTag::FieldText(TTagField field) const {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(Editor(field)))
        return memo->toPlainText();
    return static_cast<QLineEdit*>(Editor(field))->text();
}

void TfTag::SetFieldText(TTagField field, const QString& text) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(Editor(field)))
        memo->setPlainText(text);
    else
        static_cast<QLineEdit*>(Editor(field))->setText(text);
    // Set from outside the fill (a preset, a caller): the user's, even when the text was there.
    if (!showing_)
        state_.SetText(field, text);
}

void TfTag::ShowState() {
    showing_ = true;
    lblStats->setText(state_.StatisticsText());
    for (int i = 0; i < TagFieldCount; ++i) {
        const TTagField field = TTagField(i);
        SetFieldText(field, state_.Text(field));
        Editor(field)->setEnabled(!state_.IsLocked(field));
    }
    showing_ = false;
}

// The state follows every edit of the fields, so with no sounds they keep what they show.
void TfTag::LoadFromSounds() {
    state_.LoadFromSounds(Sounds);
    ShowState();
}

void TfTag::ApplyToSounds() {
    state_.ApplyToSounds(Sounds);
    accept();
}

void TfTag::AskToUnlock(TTagField field) {
    if (!state_.IsLocked(field) || !UserMessages().AskOkCancel(state_.UnlockQuestion()))
        return;
    state_.Unlock(field);
    Editor(field)->setEnabled(true);
    Editor(field)->setFocus();
}

std::optional<TTagField> TfTag::FieldAt(QWidget* panel, const QPoint& position) const {
    for (QWidget* widget = panel->childAt(position); widget && widget != panel;
         widget = widget->parentWidget()) {
        const auto found = fieldOfWidget_.find(widget);
        if (found != fieldOfWidget_.end())
            return found->second;
    }
    return std::nullopt;
}

bool TfTag::eventFilter(QObject* watched, QEvent* event) {
    const auto panel = std::find(lockPanels_.begin(), lockPanels_.end(), watched);
    if (event->type() != QEvent::MouseButtonPress || panel == lockPanels_.end())
        return TNoBorderSizeForm::eventFilter(watched, event);
    const auto* press = static_cast<QMouseEvent*>(event);
    const std::optional<TTagField> field = FieldAt(*panel, press->position().toPoint());
    if (!field || !state_.IsLocked(*field))
        return false;
    AskToUnlock(*field);
    return true;
}

void TfTag::InsertText(TTagField field, const QString& text) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(Editor(field)))
        memo->insertPlainText(text);
    else
        static_cast<QLineEdit*>(Editor(field))->insert(text);
}

void TfTag::AddIxmlTag(const QString& tag) {
    const TIxmlInsertion insertion = IxmlTagInsertion(tag);
    QTextCursor cursor = ixmlmemo->textCursor();
    const int start = cursor.selectionStart();
    cursor.insertText(insertion.Text);
    cursor.setPosition(start + insertion.CaretOffset);
    ixmlmemo->setTextCursor(cursor);
}

void TfTag::AddCustomIxmlTag() {
    const QString fallback = QStringLiteral("<User>");
    AddIxmlTag(AskText(QStringLiteral("New xml tag"), QStringLiteral("Tag name"), fallback)
                   .value_or(fallback));
}

QMenu* TfTag::TemplateMenu(TTagField field) {
    auto* menu = new QMenu(this);
    QMenu* insert = menu->addMenu(QStringLiteral("Insert"));
    for (const auto& [caption, placeholder] : TemplatePlaceholders())
        connect(insert->addAction(caption), &QAction::triggered, this,
                [this, field, placeholder] { InsertText(field, placeholder); });
    if (field == F::Ixml) {
        QMenu* tags = menu->addMenu(QStringLiteral("Add ixml tag"));
        for (const QString& tag : IxmlTags())
            connect(tags->addAction(tag), &QAction::triggered, this, [this, tag] { AddIxmlTag(tag); });
        QMenu* trackLists = tags->addMenu(QStringLiteral("Track lists"));
        for (const QString& tag : IxmlTrackListTags())
            connect(trackLists->addAction(tag), &QAction::triggered, this, [this, tag] { AddIxmlTag(tag); });
        connect(tags->addAction(QStringLiteral("Custom")), &QAction::triggered, this,
                &TfTag::AddCustomIxmlTag);
    }
    AddPresetMenu(menu);
    return menu;
}

void TfTag::AddPresetMenu(QMenu* menu) {
    QMenu* preset = menu->addMenu(QStringLiteral("Preset"));
    connect(preset->addAction(QStringLiteral("<Add new preset>")), &QAction::triggered, this,
            &TfTag::SaveNewPreset);
    for (const QString& name : presetNames_)
        connect(preset->addAction(name), &QAction::triggered, this, [this, name] { LoadPreset(name); });
}

void TfTag::SaveNewPreset() {
    const QString name =
        AskText(QStringLiteral("New preset"), QStringLiteral("Name:"), QString()).value_or(QString());
    const TTagPresetFields fields = state_.PresetFields();
    const TResult saved =
        presets_.SavePreset(name, fields.Description, fields.Originator, fields.Reference, fields.Ixml);
    if (!saved)
        UserMessages().ShowMessage(saved.ErrorText());
    else if (!name.isEmpty())
        presetNames_.append(name);
}

void TfTag::LoadPreset(const QString& name) {
    TTagPresetFields fields = state_.PresetFields();
    const TResult loaded = presets_.LoadPreset(name, fields);
    state_.SetPresetFields(fields);
    for (F field : {F::BwavDescription, F::Originator, F::Reference, F::Ixml})
        SetFieldText(field, state_.Text(field));
    if (!loaded)
        UserMessages().ShowMessage(loaded.ErrorText());
}
