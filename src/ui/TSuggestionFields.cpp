#include "ui/TSuggestionFields.h"

#include "ui/TLongAutoCompleteListBox.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

TSuggestionFields::TSuggestionFields(QAction* playPause, QObject* parent)
    : QObject(parent), playPause_(playPause) {}

void TSuggestionFields::Serve(QLineEdit* field, TLongAutoCompleteListBox* box) {
    boxes_[field] = box;
    field->installEventFilter(this);
}

void TSuggestionFields::HideAll() {
    for (const auto& [field, box] : boxes_)
        box->hide();
}

bool TSuggestionFields::eventFilter(QObject* watched, QEvent* event) {
    const auto served = boxes_.find(watched);
    if (served == boxes_.end())
        return false;
    switch (event->type()) {
    case QEvent::KeyRelease:
        served->second->FieldKeyReleased(static_cast<QLineEdit*>(watched),
                                         static_cast<QKeyEvent*>(event)->key());
        break;
    case QEvent::FocusIn:
        if (playPause_)
            playPause_->setEnabled(false);
        break;
    case QEvent::FocusOut:
        if (playPause_)
            playPause_->setEnabled(true);
        HideAll();
        break;
    default:
        break;
    }
    return false;
}
