#include "ui/TLongAutoCompleteListBox.h"

#include "app/THistoryList.h"
#include "ui/LongSuggestions.h"

#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace {
const int mostRowsShown = 8;
} // namespace

TLongAutoCompleteListBox::TLongAutoCompleteListBox(THistoryList& history, QWidget* parent)
    : QListWidget(parent), history_(history) {
    setObjectName("AutoCompleteListBox");
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    setFont(QFont("Arial", 8));
    setStyleSheet("QListWidget { background: #171717; color: white; border: 1px solid black; }");
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hide();
}

void TLongAutoCompleteListBox::AddToHistory(const QString& text) {
    history_.Add(text);
}

void TLongAutoCompleteListBox::UpdateSuggestions() {
    if (!edit_)
        return;
    clear();
    const TSuggestions suggestions = LongSuggestions(history_.Entries(), edit_->text());
    switch (suggestions.Change) {
    case TSuggestionBoxChange::KeepAsIs:
        return;
    case TSuggestionBoxChange::Hide:
        hide();
        return;
    case TSuggestionBoxChange::Show:
        addItems(suggestions.Items);
        PlaceBelowEdit();
        show();
        raise();
        return;
    }
}

void TLongAutoCompleteListBox::PlaceBelowEdit() {
    const QPoint below = edit_->mapToGlobal(QPoint(0, edit_->height()));
    const QPoint topLeft = parentWidget() ? parentWidget()->mapFromGlobal(below) : below;
    const int rows = std::min(count(), mostRowsShown);
    const int rowHeight = std::max(1, sizeHintForRow(0));
    setGeometry(QRect(topLeft, QSize(edit_->width(), rows * rowHeight + 2 * frameWidth())));
}

void TLongAutoCompleteListBox::AcceptFirst() {
    if (!Shown() || count() == 0 || !edit_)
        return;
    setCurrentRow(0);
    TakeSuggestion(item(0)->text());
}

void TLongAutoCompleteListBox::FieldKeyReleased(QLineEdit* field, int key) {
    SetEdit(field);
    UpdateSuggestions();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        hide();
    else if (key == Qt::Key_Down)
        AcceptFirst();
}

void TLongAutoCompleteListBox::mousePressEvent(QMouseEvent* event) {
    const QListWidgetItem* pressed = itemAt(event->position().toPoint());
    if (pressed && edit_)
        TakeSuggestion(pressed->text());
    event->accept();
}

void TLongAutoCompleteListBox::TakeSuggestion(const QString& text) {
    edit_->setText(text);
    edit_->setCursorPosition(int(text.size()));
    hide();
}
