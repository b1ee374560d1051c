#include "naming/TfSFXdescriptions.h"

#include "naming/DescriptionTools.h"
#include "naming/FixDuplicates.h"
#include "ui/TDarkButton.h"
#include "ui/TDialogButtonRow.h"
#include "ui/TDialogTitleBar.h"
#include "ui/TqorHeaderPanel.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

TfSFXdescriptions::TfSFXdescriptions(QWidget* parent) : TNoBorderSizeForm(parent) {
    setObjectName("TfSFXdescriptions");
    setWindowTitle("Edit track names");
    resize(720, 520);
    setMinimumSize(420, 300);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    TitleBar = new TDialogTitleBar("Edit track names", this);
    layout->addWidget(TitleBar);

    auto* body = new QHBoxLayout;
    auto* textColumn = new QVBoxLayout;
    names = new QPlainTextEdit(this);
    names->setObjectName("names");
    names->setLineWrapMode(QPlainTextEdit::NoWrap);
    names->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    names->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textColumn->addWidget(names, 1);
    lblTrack = new QLabel("Track 1", this);
    lblTrack->setObjectName("lblTrack");
    textColumn->addWidget(lblTrack);
    body->addLayout(textColumn, 1);
    body->addWidget(BuildTools());
    layout->addLayout(body, 1);

    auto* buttons = new TDialogButtonRow(this, "Ok", "btnOk");
    btnOk = buttons->AcceptButton;
    btnCancel = buttons->CancelButton;
    layout->addLayout(buttons);
    connect(btnOk, &QAbstractButton::clicked, this, &TfSFXdescriptions::btnOkClick);

    acSelectAll = new QAction("Select all text", this);
    acSelectAll->setObjectName("acSelectAll");
    acSelectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    addAction(acSelectAll);
    connect(acSelectAll, &QAction::triggered, names, &QPlainTextEdit::selectAll);
    connect(names, &QPlainTextEdit::cursorPositionChanged, this, &TfSFXdescriptions::ShowTrackNumber);
}

QWidget* TfSFXdescriptions::BuildTools() {
    auto* panel = new TqorHeaderPanel("Text tools", this);
    panel->setObjectName("TextTools");
    panel->setFixedWidth(210);
    auto* tools = new QVBoxLayout(panel);
    tools->setSpacing(3);
    auto add = [tools](QWidget* widget) { tools->addWidget(widget); };
    add(btnRemoveIndex = ToolButton("Remove index numbers", "btnRemoveIndex", RemoveIndexNumbers));
    add(btnGoodNames = ToolButton("Make good file names", "btnGoodNames", MakeGoodStrings));
    add(btnTrimStart = ToolButton("Trim start (One character)", "btnTrimStart",
                                  [](QStringList& lines) { TrimFirstChars(lines, 1); }));
    add(btnTrimEnd = ToolButton("Trim ends (One character)", "btnTrimEnd", TrimLastChar));
    add(btnFixDuplicates = ToolButton("Fix duplicates", "btnFixDuplicates",
                                      [](QStringList& lines) { FixDuplicates(lines); }));
    add(btnRemoveCapitals = ToolButton("Remove capital letters", "btnRemoveCapitals", RemoveCapitals));
    tools->addSpacing(8);
    editAdd = new QLineEdit("Add text", panel);
    editAdd->setObjectName("editAdd");
    add(editAdd);
    add(btnPrepend = ToolButton("Prepend text", "btnPrepend", [this](QStringList& lines) {
            PrependText(lines, editAdd->text());
            editAdd->clear();
        }));
    add(btnAppend = ToolButton("Append text", "btnAppend", [this](QStringList& lines) {
            AppendText(lines, editAdd->text());
            editAdd->clear();
        }));
    tools->addSpacing(8);
    add(new QLabel("Replace", panel));
    editReplace = new QLineEdit(panel);
    editReplace->setObjectName("editReplace");
    add(editReplace);
    add(new QLabel("With", panel));
    editWith = new QLineEdit(panel);
    editWith->setObjectName("editWith");
    add(editWith);
    add(btnReplace = ToolButton("Replace all", "btnReplace", [this](QStringList& lines) {
            ReplaceAll(lines, editReplace->text(), editWith->text());
        }));
    tools->addStretch();
    return panel;
}

TDarkButton* TfSFXdescriptions::ToolButton(const QString& caption, const QString& name,
                                           const std::function<void(QStringList&)>& tool) {
    auto* button = new TDarkButton(caption, this);
    button->setObjectName(name);
    connect(button, &QAbstractButton::clicked, this, [this, tool] { ApplyTool(tool); });
    return button;
}

void TfSFXdescriptions::SetLines(const QStringList& lines) {
    names->setPlainText(lines.join(QLatin1Char('\n')));
    ShowTrackNumber();
}

QStringList TfSFXdescriptions::Lines() const {
    return names->toPlainText().split(QLatin1Char('\n'));
}

void TfSFXdescriptions::ApplyTool(const std::function<void(QStringList&)>& tool) {
    QStringList lines = Lines();
    tool(lines);
    const int caretLine = names->textCursor().blockNumber();
    QTextCursor cursor(names->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(lines.join(QLatin1Char('\n')));
    // Back to the line the caret was on, so the line indicator keeps its number.
    const QTextBlock block = names->document()->findBlockByNumber(caretLine);
    if (block.isValid())
        names->setTextCursor(QTextCursor(block));
    ShowTrackNumber();
}

void TfSFXdescriptions::ShowTrackNumber() {
    lblTrack->setText(QStringLiteral("Track %1").arg(names->textCursor().blockNumber() + 1));
}

void TfSFXdescriptions::btnOkClick() {
    ApplyTool(MakeGoodStrings);
    accept();
}

bool TfSFXdescriptions::Edit(QStringList& lines) {
    SetLines(lines);
    names->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    lines = Lines();
    return true;
}
