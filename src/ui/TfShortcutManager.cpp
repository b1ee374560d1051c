#include "ui/TfShortcutManager.h"

#include "ui/ShortcutText.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int ActionRole = Qt::UserRole; // index into the action list; none for a category
}

TfShortcutManager::TfShortcutManager(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("TfShortcutManager");
    setWindowTitle("Shortcuts");
    setSizeGripEnabled(true);
    resize(520, 380);
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);
    Tree = new QTreeWidget(this);
    Tree->setObjectName("Tree");
    Tree->setHeaderHidden(true);
    QFont fixed("Monospace"); // the blanks line the shortcuts up
    fixed.setStyleHint(QFont::TypeWriter);
    Tree->setFont(fixed);
    body->addWidget(Tree, 1);

    auto* right = new QVBoxLayout;
    lblAc = new QLabel(this);
    lblAc->setObjectName("lblAc");
    lblAc->setFixedWidth(150);
    right->addWidget(lblAc);
    right->addWidget(new QLabel("Shortcut:", this));
    EditCut = new QLineEdit(this);
    EditCut->setObjectName("EditCut");
    EditCut->setPlaceholderText("Enter new shortcut here");
    EditCut->setToolTip("Enter new shortcut here");
    EditCut->setEnabled(false);
    EditCut->installEventFilter(this);
    right->addWidget(EditCut);
    BtnChange = new QPushButton("Change", this);
    BtnChange->setObjectName("BtnChange");
    right->addWidget(BtnChange);
    right->addStretch();
    body->addLayout(right);

    btnOK = new QPushButton("Ok", this);
    btnOK->setObjectName("btnOK");
    btnOK->setAutoDefault(false);
    BtnChange->setAutoDefault(false);
    layout->addWidget(btnOK, 0, Qt::AlignRight);

    connect(Tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { TreeClick(item); });
    connect(Tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { TreeClick(item); });
    connect(BtnChange, &QPushButton::clicked, this, &TfShortcutManager::BtnChangeClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

QString TfShortcutManager::NodeText(const QString& caption, const QKeySequence& shortcut) {
    return caption.leftJustified(CaptionWidth, u' ') + ShortcutToText(shortcut);
}

void TfShortcutManager::SetActions(const QList<TEntry>& actions) {
    actions_ = actions;
    Tree->clear();
    QList<QTreeWidgetItem*> categories;
    for (int index = 0; index < actions.size(); ++index) {
        const QAction* action = actions[index].Action;
        const QString& category = actions[index].Category;
        QTreeWidgetItem* top = nullptr;
        for (QTreeWidgetItem* existing : categories)
            if (existing->text(0) == category)
                top = existing;
        if (!top) {
            top = new QTreeWidgetItem(Tree, {category});
            categories.append(top);
        }
        auto* node = new QTreeWidgetItem(top, {NodeText(action->text(), action->shortcut())});
        node->setData(0, ActionRole, index);
    }
    Tree->expandAll();
}

QAction* TfShortcutManager::ActionOf(const QTreeWidgetItem* item) const {
    if (!item)
        return nullptr;
    const QVariant index = item->data(0, ActionRole);
    if (!index.isValid() || index.toInt() < 0 || index.toInt() >= actions_.size())
        return nullptr;
    return actions_[index.toInt()].Action;
}

void TfShortcutManager::TreeClick(QTreeWidgetItem* item) {
    selected_ = ActionOf(item);
    selectedNode_ = selected_ ? item : nullptr;
    if (!selected_) {
        lblAc->clear();
        EditCut->clear();
        EditCut->setEnabled(false);
        return;
    }
    captured_ = selected_->shortcut();
    lblAc->setText(lblAc->fontMetrics().elidedText(selected_->text(), Qt::ElideRight, lblAc->width()));
    EditCut->setText(ShortcutToText(selected_->shortcut()));
    EditCut->setEnabled(true);
}

void TfShortcutManager::EditCutKeyDown(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
        key == 0 || key == Qt::Key_unknown)
        return; // a modifier alone waits for its key
    if (!selected_) {
        captured_.reset();
        return;
    }
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    captured_ = QKeySequence(QKeyCombination(held, Qt::Key(key)));
    EditCut->setText(ShortcutToText(*captured_));
}

bool TfShortcutManager::eventFilter(QObject* watched, QEvent* event) {
    if (watched != EditCut)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride: // every key, Tab and Space included, belongs to the edit
        event->accept();
        return true;
    case QEvent::KeyPress:
        EditCutKeyDown(static_cast<const QKeyEvent&>(*event));
        return true; // nothing is typed into the field
    case QEvent::KeyRelease:
        EditCut->setText(captured_ ? ShortcutToText(*captured_) : QString());
        return true;
    case QEvent::MouseButtonPress:
        EditCut->clear();
        return false;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void TfShortcutManager::BtnChangeClick() {
    if (!selected_ || !selectedNode_)
        return;
    const QKeySequence shortcut = captured_.value_or(QKeySequence());
    selected_->setShortcut(shortcut);
    // The node shows what the action now has, also when a click emptied the field.
    selectedNode_->setText(0, NodeText(selected_->text(), shortcut));
}
