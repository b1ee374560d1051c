#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

class THistoryList;

// The drop-down of earlier texts under a field: while the user types, it suggests the history
// entries that begin with the whole field text. Hidden until it has suggestions; it never
// takes the focus from the field it serves.
class TLongAutoCompleteListBox : public QListWidget {
    Q_OBJECT
public:
    // `history` (not owned) is the list the box suggests from and adds to.
    explicit TLongAutoCompleteListBox(THistoryList& history, QWidget* parent = nullptr);

    THistoryList& History() const { return history_; }
    // Adds `text` unless an entry equals it when letter case is ignored.
    void AddToHistory(const QString& text);

    // The field served; the panels set it on every key release in one of their fields.
    void SetEdit(QLineEdit* edit) { edit_ = edit; }
    QLineEdit* Edit() const { return edit_; }
    // Shown, as far as the box itself decides (its panel may be hidden).
    bool Shown() const { return !isHidden(); }

    // Finds the suggestions for the field's text and shows them under the field, or hides.
    virtual void UpdateSuggestions();
    // With suggestions shown: the first one replaces the field text and the box hides.
    virtual void AcceptFirst();
    // What a panel does on a key release in a field it serves with this box: serve that
    // field, update the suggestions, then hide on Enter and accept the first on Down.
    void FieldKeyReleased(QLineEdit* field, int key);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void TakeSuggestion(const QString& text);
    void PlaceBelowEdit();

    THistoryList& history_;
    QPointer<QLineEdit> edit_;
};
