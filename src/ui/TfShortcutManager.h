#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QList>

#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The shortcut editor: the actions by category, each with its shortcut; a key pressed in the
// edit field is captured, "Change" gives it to the selected action at once. There is no
// cancel: what "Change" did stays.
class TfShortcutManager : public QDialog {
    Q_OBJECT
public:
    static constexpr int CaptionWidth = 30;

    explicit TfShortcutManager(QWidget* parent = nullptr);

    // One action (not owned) and the category whose top node it goes under.
    struct TEntry {
        QAction* Action;
        QString Category;
    };
    // Fills the tree: one top node per category in order of first appearance, under each its
    // actions in the order given.
    void SetActions(const QList<TEntry>& actions);
    // The text of an action's node: its caption filled with blanks to 30 characters, then its
    // shortcut ("Shift+Ctrl+E"; nothing for none).
    static QString NodeText(const QString& caption, const QKeySequence& shortcut);

    QAction* SelectedAction() const { return selected_; }
    std::optional<QKeySequence> Captured() const { return captured_; }

    QTreeWidget* Tree = nullptr;
    QLabel* lblAc = nullptr;
    QLineEdit* EditCut = nullptr;
    QPushButton* BtnChange = nullptr;
    QPushButton* btnOK = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TreeClick(QTreeWidgetItem* item);
    void EditCutKeyDown(const class QKeyEvent& event);
    void BtnChangeClick();
    QAction* ActionOf(const QTreeWidgetItem* item) const;

    QList<TEntry> actions_;
    QAction* selected_ = nullptr;
    QTreeWidgetItem* selectedNode_ = nullptr;
    std::optional<QKeySequence> captured_;
};
